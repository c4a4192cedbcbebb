# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the one-file page: the shell with the WebAssembly inline as base64,
# in a data block the page decodes itself (no fetch of a data: address, no
# script parser over it), and the module's loader. Run as cmake -P with SHELL,
# GLUE, WASM and OUT set.
find_program(BASE64 base64 REQUIRED)
execute_process(COMMAND ${BASE64} -w 0 ${WASM} OUTPUT_VARIABLE wasm COMMAND_ERROR_IS_FATAL ANY)
file(READ ${GLUE} glue)
file(READ ${SHELL} page)
foreach(slot IN ITEMS "{{{ WASM }}}" "{{{ GLUE }}}")
    string(FIND "${page}" "${slot}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${SHELL}: no ${slot}")
    endif()
endforeach()
string(REPLACE "{{{ WASM }}}" "${wasm}" page "${page}")
string(REPLACE "{{{ GLUE }}}" "${glue}" page "${page}")
# Written whole or not at all: a build stopped half-way leaves the old page.
file(WRITE ${OUT}.part "${page}")
file(RENAME ${OUT}.part ${OUT})
