# The distribution package of a Windows build: a folder holding setup.exe
# and the product's files under the names the setup program copies, and a
# ZIP archive of that folder made by CPack. Both are made by every build:
#   build/<preset>/package/Quorvantix-<version>-<win32|win64>/   the folder
#   build/<preset>/package/Quorvantix-<version>-<win32|win64>.zip
#   build/<preset>/package/debug/<program>.debug                 kept apart
#   build/<preset>/package/unpacked/           the archive, unpacked by its check
# The packaged programs are stripped copies of the built ones; their debug
# information goes to a file of its own that each names in a debug link, so
# that a debugger pointed at package/debug/ finds it again.

# The setup program copies the files its table names, so that table is the
# one list of them: read from setup/product_files.h, with setup.exe before
# them.
file(READ ${CMAKE_SOURCE_DIR}/setup/product_files.h QV_PRODUCT_FILES_HEADER)
string(REGEX MATCH "kProductFiles\\[\\] = {[^;]*};" QV_PRODUCT_FILES_TABLE
       "${QV_PRODUCT_FILES_HEADER}")
string(REGEX MATCHALL "{\"[^\"]+\"" QV_PRODUCT_FILES_ENTRIES "${QV_PRODUCT_FILES_TABLE}")
set(QV_DISTRIBUTION_FILES "setup.exe")
foreach(entry IN LISTS QV_PRODUCT_FILES_ENTRIES)
  string(REGEX REPLACE "^{\"|\"$" "" name "${entry}")
  list(APPEND QV_DISTRIBUTION_FILES "${name}")
endforeach()
if(NOT QV_PRODUCT_FILES_ENTRIES)
  message(FATAL_ERROR "package: no kProductFiles table in setup/product_files.h")
endif()

# The programs of the list, by the targets that build them.
set(QV_PACKAGED_PROGRAMS setup Quorvantix)
foreach(target IN LISTS QV_PACKAGED_PROGRAMS)
  if(NOT "${target}.exe" IN_LIST QV_DISTRIBUTION_FILES)
    message(FATAL_ERROR "package: ${target}.exe is not among the files setup copies")
  endif()
endforeach()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QV_PACKAGE_SYSTEM win64)
  set(QV_PACKAGE_MACHINE x86_64)
else()
  set(QV_PACKAGE_SYSTEM win32)
  set(QV_PACKAGE_MACHINE i686)
endif()
set(QV_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${QV_PACKAGE_SYSTEM})
set(QV_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(QV_DISTRIBUTION_DIR ${QV_PACKAGE_DIR}/${QV_PACKAGE_NAME})
set(QV_DEBUG_DIR ${QV_PACKAGE_DIR}/debug)
set(QV_PACKAGE_ZIP ${QV_PACKAGE_DIR}/${QV_PACKAGE_NAME}.zip)
# Where the package's check unpacks the archive (tests/package).
set(QV_UNPACKED_DIR ${QV_PACKAGE_DIR}/unpacked)

if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "package: the toolchain has no objcopy to strip the programs with")
endif()

# The folder is made afresh each time, so that it never keeps a file the
# list no longer names.
set(QV_STAGE_COMMANDS
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QV_DISTRIBUTION_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DISTRIBUTION_DIR} ${QV_DEBUG_DIR})
set(QV_STAGED_FILES "")
set(QV_STAGE_INPUTS "")
foreach(name IN LISTS QV_DISTRIBUTION_FILES)
  list(APPEND QV_STAGED_FILES ${QV_DISTRIBUTION_DIR}/${name})
  string(REGEX REPLACE "\\.exe$" "" target "${name}")
  if(target IN_LIST QV_PACKAGED_PROGRAMS)
    set(debug ${QV_DEBUG_DIR}/${target}.debug)
    list(APPEND QV_STAGE_COMMANDS
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${debug}
      COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${debug}
              $<TARGET_FILE:${target}> ${QV_DISTRIBUTION_DIR}/${name})
    list(APPEND QV_STAGE_INPUTS ${target})
  else()
    list(APPEND QV_STAGE_COMMANDS
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/${name} ${QV_DISTRIBUTION_DIR}/${name})
    list(APPEND QV_STAGE_INPUTS ${CMAKE_BINARY_DIR}/${name})
  endif()
endforeach()
add_custom_command(
  OUTPUT ${QV_STAGED_FILES}
  ${QV_STAGE_COMMANDS}
  DEPENDS ${QV_STAGE_INPUTS} qv_product_files
  COMMENT "Package: the distribution folder ${QV_PACKAGE_NAME}"
  VERBATIM)

# CPack packs the folder as it stands (no install rules), so the archive
# holds exactly its files, at the archive's top.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${QV_MAKER_KEY}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${QV_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${QV_PACKAGE_DIR})
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "${QV_DISTRIBUTION_DIR};.")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
include(CPack)

add_custom_command(
  OUTPUT ${QV_PACKAGE_ZIP}
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -G ZIP
  DEPENDS ${QV_STAGED_FILES}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Package: ${QV_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(qv_package ALL DEPENDS ${QV_PACKAGE_ZIP})
