# SPDX-License-Identifier: GPL-3.0-or-later
# Writes OUTPUT, a C++ file holding DIR/<language>.mo for each of LANGUAGES
# as bytes, in the order given.
set(arrays "")
set(table "")
foreach(language IN LISTS LANGUAGES)
    file(READ ${DIR}/${language}.mo hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
           "\\1\n" bytes "${bytes}")
    string(MAKE_C_IDENTIFIER "k_${language}" name)
    string(APPEND arrays "constexpr unsigned char ${name}[] = {\n${bytes}};\n")
    string(APPEND table "    {\"${language}\", {${name}, sizeof ${name}}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from po/ by embed_catalogues.cmake.
#include \"text/embedded_catalogues.h\"

namespace orvath::text {
namespace {
// NOLINTBEGIN(readability-identifier-naming)
${arrays}// NOLINTEND(readability-identifier-naming)
constexpr EmbeddedCatalogue kCatalogues[] = {
${table}};
}  // namespace

std::span<const EmbeddedCatalogue> EmbeddedCatalogues() {
    return kCatalogues;
}

}  // namespace orvath::text
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
