# Sets PARABOLIX_RELEASE_DATE (YYYY-MM-DD) from the newest entry of
# packaging/changelog, for the AppStream data and the manual page.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_lines)
list(GET changelog_lines 0 newest)
if(NOT newest MATCHES "^parabolix \\(${PROJECT_VERSION}\\)")
  message(WARNING "packaging/changelog does not begin with an entry for ${PROJECT_VERSION}")
endif()
list(FILTER changelog_lines INCLUDE REGEX "^ -- ")
list(GET changelog_lines 0 trailer)
string(REGEX REPLACE ".*>  " "" stamp "${trailer}")
execute_process(COMMAND date -u -d "${stamp}" +%F OUTPUT_VARIABLE PARABOLIX_RELEASE_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
