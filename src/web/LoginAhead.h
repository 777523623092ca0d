#pragma once
// A login's password derived before the request reaches the thread that answers it. The
// derivation takes a good fraction of a second by design; done on the listener's thread, it never
// holds up the user-interface thread, which rings the bells.
#include <optional>

#include "web/PasswordHash.h"
#include "web/WebMessage.h"

bool isLoginRequest(const WebRequest& request);

// The check of a POST /api/login's password against `stored`, the hash in force when the request
// came; none for any other request or a body without a password (the router answers those).
std::optional<PasswordVerdict> checkLoginAhead(const WebRequest& request, const PasswordHashRecord& stored,
                                               PasswordKdf& kdf);
