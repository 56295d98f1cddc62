# The Windows packages: cpack makes a portable zip (the exe and the licence)
# and an NSIS installer from NSIS.template.in beside this file
# (scripts/windows.sh does both).
install(TARGETS parabolix RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Parabolix)
set(CPACK_PACKAGE_VENDOR "Parabolix developers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Parabolix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Parabolix)
set(CPACK_PACKAGE_FILE_NAME Parabolix-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME Parabolix)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/resources/parabolix.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/resources/parabolix.ico)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_names.cmake)
include(CPack)
