# Compiles the two probes with the include folders of one core library: the one that includes
# a folder below must compile, the one that includes a folder above must not.
string(REPLACE "|" ";" directories "${INCLUDES}")
set(flags -std=c++17 -fsyntax-only)
foreach(directory ${directories})
  list(APPEND flags -I${directory})
endforeach()

execute_process(COMMAND ${CXX} ${flags} ${PROBES}/AllowedInclude.cpp RESULT_VARIABLE allowed ERROR_VARIABLE allowedText)
if(NOT allowed EQUAL 0)
  message(FATAL_ERROR "An include of a folder below did not compile:\n${allowedText}")
endif()

execute_process(COMMAND ${CXX} ${flags} ${PROBES}/UpwardInclude.cpp RESULT_VARIABLE upward ERROR_VARIABLE upwardText)
if(upward EQUAL 0)
  message(FATAL_ERROR "An include of a folder above compiled.")
endif()
if(NOT upwardText MATCHES "output/Generation.h: No such file")
  message(FATAL_ERROR "The upward include failed for another reason:\n${upwardText}")
endif()
message(STATUS "The upward include was refused: ${upwardText}")
