# qv_add_dialog_table(target script header table): the dialog templates of a
# resource script as a C++ table (tools/rc_dialogs.py) in the build's
# generated/ folder, for the simulated host of the native tests.
function(qv_add_dialog_table target script header table)
  set(output ${CMAKE_BINARY_DIR}/generated/${header})
  add_custom_command(
    OUTPUT ${output}
    COMMAND Python3::Interpreter -B ${CMAKE_SOURCE_DIR}/tools/rc_dialogs.py ${script} ${output}
            ${table} -I ${CMAKE_SOURCE_DIR} -I ${CMAKE_BINARY_DIR}/generated
    DEPENDS ${script} ${CMAKE_SOURCE_DIR}/tools/rc_dialogs.py ${CMAKE_SOURCE_DIR}/tools/texts.py
    COMMENT "Dialog table: ${header}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
endfunction()
