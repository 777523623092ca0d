#include "ModuleCount.h"

#include <atomic>

namespace {

std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

}  // namespace

CountedObject::CountedObject() {
    ++liveObjects;
}

CountedObject::~CountedObject() {
    --liveObjects;
}

void lockModule(bool lock) {
    if (lock) {
        ++serverLocks;
    } else {
        --serverLocks;
    }
}

bool moduleInUse() {
    return liveObjects.load() != 0 || serverLocks.load() != 0;
}
