#pragma once
// The console page as built into the program: page/index.html, page/app.js and page/app.css,
// embedded byte for byte at build time (EmbedPage.cmake).
#include "web/WebRouter.h"

WebPageAssets consolePageAssets();
