# Builds for browsers with Debian's emscripten: each program is a .js file with its .wasm
# beside it, and test programs run under Node.js.

# The runtime this emscripten writes fetches its .wasm by URL wherever fetch exists, which
# fails on a file path in Node.js; without fetch it reads the file from disk.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# calc reports errors by throwing: WebAssembly's own exceptions carry them, smaller and
# faster than emscripten's emulation of them in JavaScript. Nothing asks a class for its
# type at run time, so only the classes thrown keep their type records, as catching needs.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_INIT -fwasm-exceptions)

# The page comes over a phone's slow link: its smallest program, optimised across files,
# and its WebAssembly shrunk once more after the first round, which leaves some to take.
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT -flto)
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-Oz -flto -sBINARYEN_EXTRA_PASSES=-Oz")

# em++'s JavaScript optimiser needs Debian's acorn, where a Node.js built outside Debian
# does not look.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
