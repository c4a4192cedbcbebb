# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the folder for a static web server from the one-file page: the page
# as index.html with its manifest linked, the manifest, the icon and the
# service worker, stamped with the page's hash so that a new build replaces
# the copies kept by browsers. Run as cmake -P with PAGE, ICON, SOURCE, OUT,
# PROJECT_NAME, PROJECT_DESCRIPTION and PROJECT_VERSION set.
file(READ ${PAGE} page)
set(icon_link "<link rel=\"icon\" href=\"data:,\">")
string(FIND "${page}" "${icon_link}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE}: no icon link to replace")
endif()
string(REPLACE "${icon_link}"
    "<link rel=\"icon\" href=\"orvath.svg\" type=\"image/svg+xml\">\n<link rel=\"manifest\" href=\"manifest.webmanifest\">"
    page "${page}")
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/index.html "${page}")
file(SHA256 ${PAGE} ORVATH_SITE_STAMP)
string(SUBSTRING ${ORVATH_SITE_STAMP} 0 12 ORVATH_SITE_STAMP)
configure_file(${SOURCE}/manifest.webmanifest.in ${OUT}/manifest.webmanifest @ONLY)
configure_file(${SOURCE}/sw.js.in ${OUT}/sw.js @ONLY)
configure_file(${ICON} ${OUT}/orvath.svg COPYONLY)
