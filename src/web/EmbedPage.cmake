# Writes OUTPUT, a C++ source defining consolePageAssets() from the bytes of HTML, SCRIPT and
# STYLE. Run with cmake -P at build time, so an edited page file rebuilds the library.
function(lvtx_embed_bytes file variable)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  set(${variable} "${bytes}" PARENT_SCOPE)
endfunction()

lvtx_embed_bytes(${HTML} html)
lvtx_embed_bytes(${SCRIPT} script)
lvtx_embed_bytes(${STYLE} style)
file(WRITE ${OUTPUT}.new "// Generated from src/web/page by EmbedPage.cmake; edit the page files instead.
#include \"web/ConsolePage.h\"

namespace {
const unsigned char html[] = {${html} 0};
const unsigned char script[] = {${script} 0};
const unsigned char style[] = {${style} 0};

std::string text(const unsigned char* bytes, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes), size - 1);
}
}  // namespace

WebPageAssets consolePageAssets() {
    return {text(html, sizeof html), text(script, sizeof script), text(style, sizeof style)};
}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
