# Unpacks the portable zip afresh, as a user would, for the tests that run what it carries.
#   cmake -DZIP=path.zip -DDESTINATION=folder -P unpack_zip.cmake
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${DESTINATION})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${DESTINATION})
