# Writes the AppStream metainfo from data/desktop/metainfo.xml.in. Included by
# the install rules, and run by the tests with other addresses:
#   cmake -DOUT=file -DBW_APP_ID=.. -DPROJECT_VERSION=.. -DBW_RELEASE_DATE=..
#         [-DHOME_PAGE=url] [-DSCREENSHOTS_URL=url] -P WriteMetainfo.cmake
# AppStream takes only web addresses: a local home page (the default) is left
# out, and the screenshots are listed only when a web folder holds them.
set(BW_METAINFO_URLS "")
if(HOME_PAGE MATCHES "^https?://")
  string(APPEND BW_METAINFO_URLS "  <url type=\"homepage\">${HOME_PAGE}</url>\n")
endif()
set(BW_METAINFO_SCREENSHOTS "")
if(SCREENSHOTS_URL MATCHES "^https?://")
  string(REGEX REPLACE "/$" "" base "${SCREENSHOTS_URL}")
  set(shots
      "memory-up-6x4|Memory-Up (6x4): twelve pairs of twin cards to find"
      "forget-me-not-drag|Forget me not: a twin dragged under its model"
      "ace-to-king-won|Ace-To-King: every card turned up in order from the ace"
      "statistics|Statistics: a player's record of every game and a plot of the last games"
      "about-box|The about box")
  string(APPEND BW_METAINFO_SCREENSHOTS "  <screenshots>\n")
  set(type " type=\"default\"")
  foreach(shot ${shots})
    string(REPLACE "|" ";" fields "${shot}")
    list(GET fields 0 file)
    list(GET fields 1 caption)
    string(APPEND BW_METAINFO_SCREENSHOTS
           "    <screenshot${type}>\n"
           "      <caption>${caption}</caption>\n"
           "      <image>${base}/${file}.png</image>\n"
           "    </screenshot>\n")
    set(type "")
  endforeach()
  string(APPEND BW_METAINFO_SCREENSHOTS "  </screenshots>\n")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/../data/desktop/metainfo.xml.in ${OUT} @ONLY)
