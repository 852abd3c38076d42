# The program's texts: UTF-8 tables turned at build time into headers of
# Shift-JIS strings (tools/texts.py), and the product's UTF-8 text files
# turned into Shift-JIS with CR LF. Python runs with -B, so that the source
# tree gets no byte-code folders.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QV_TEXTS_TOOL ${CMAKE_SOURCE_DIR}/tools/texts.py)
set(QV_TEXTS_TOOL_SOURCES ${QV_TEXTS_TOOL} ${CMAKE_SOURCE_DIR}/tools/sjis.py)

# qv_add_texts(<target> <table> <header>): makes <header> (for example
# shell/texts.h) from <table> (relative to the calling folder) and gives it
# to <target> and to whatever links it.
function(qv_add_texts target table header)
  get_filename_component(table ${table} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_CURRENT_BINARY_DIR}/${target}_texts)
  set(output ${root}/${header})
  add_custom_command(OUTPUT ${output}
    COMMAND Python3::Interpreter -B ${QV_TEXTS_TOOL} header ${table} ${output}
            --depfile ${output}.d
    DEPENDS ${table} ${QV_TEXTS_TOOL_SOURCES}
    DEPFILE ${output}.d
    COMMENT "Texts: ${header}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()

# qv_text_file(<source> <output> [NAME=VALUE ...]): makes <output> (a path
# in the build tree) from the UTF-8 <source>, with @NAME@ replaced, and
# returns nothing: list <output> in a target's sources or DEPENDS to have
# it made.
function(qv_text_file source output)
  get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(values "")
  foreach(value IN LISTS ARGN)
    list(APPEND values --set ${value})
  endforeach()
  add_custom_command(OUTPUT ${output}
    COMMAND Python3::Interpreter -B ${QV_TEXTS_TOOL} file ${source} ${output} ${values}
    DEPENDS ${source} ${QV_TEXTS_TOOL_SOURCES}
    COMMENT "Text file: ${output}"
    VERBATIM)
endfunction()

# qv_rc_texts(<target> <table> <header>): makes <header> (a name like
# setup_texts.rc.h) from <table>: its texts as UTF-8 defines QV_TEXT_<name>
# for the resource scripts of <target>, which finds the header by name.
function(qv_rc_texts target table header)
  get_filename_component(table ${table} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_CURRENT_BINARY_DIR}/${target}_rc_texts)
  set(output ${root}/${header})
  add_custom_command(OUTPUT ${output}
    COMMAND Python3::Interpreter -B ${QV_TEXTS_TOOL} rc ${table} ${output}
    DEPENDS ${table} ${QV_TEXTS_TOOL_SOURCES}
    COMMENT "Resource texts: ${header}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${root})
endfunction()
