# Builds the portable zip: one folder, PC_Kovrin3.0, holding the program, README.txt,
# LICENSE.txt and the manual's documents. The stage is made afresh so nothing from an earlier
# build slips in.
#   cmake -DEXE=... -DTEXT_DIR=... -DMANUAL_DIR=... -DSTAGE=... -DZIP=... -P make_zip.cmake
cmake_minimum_required(VERSION 3.20)
set(folder ${STAGE}/PC_Kovrin3.0)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${EXE} ${folder}/PC_Kovrin3.0.exe)
file(COPY_FILE ${TEXT_DIR}/README.txt ${folder}/README.txt)
file(COPY_FILE ${TEXT_DIR}/LICENSE.txt ${folder}/LICENSE.txt)
file(GLOB manual_docs ${MANUAL_DIR}/*.DOC)
file(COPY ${manual_docs} DESTINATION ${folder})
get_filename_component(zip_dir ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${zip_dir})
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip PC_Kovrin3.0
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${ZIP}")
endif()
