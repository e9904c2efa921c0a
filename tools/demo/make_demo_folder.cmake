# Sets up the demo program folder: the launcher beside the stand-in emulator and its manager
# (where the shell looks first for the programs the launcher starts), and a sample device state
# in the emulation file of each built-in language. The emulation files are written only when
# missing: they are the demo's device state and keep what its sessions saved.
#   cmake -DDEMO=dir -DLAUNCHER=exe -DEMULATOR=exe -DMANAGER=exe -P make_demo_folder.cmake
cmake_minimum_required(VERSION 3.20)

# The launcher's scrambling, byte by byte: XOR with the key's first four characters, "KEMA".
function(write_scrambled path text)
  string(HEX "${text}" hex)
  string(LENGTH "${hex}" length)
  set(key 75 69 77 65)
  set(scrambled "")
  set(index 0)
  while(index LESS length)
    string(SUBSTRING "${hex}" ${index} 2 byte)
    math(EXPR slot "(${index} / 2) % 4")
    list(GET key ${slot} key_byte)
    math(EXPR value "0x${byte} ^ ${key_byte}")
    if(value EQUAL 0)
      message(FATAL_ERROR "the sample state would scramble to a NUL byte at ${index}: change its text")
    endif()
    string(ASCII ${value} character)
    string(APPEND scrambled "${character}")
    math(EXPR index "${index} + 2")
  endwhile()
  file(WRITE "${path}" "${scrambled}")
endfunction()

file(MAKE_DIRECTORY ${DEMO})
configure_file(${LAUNCHER} ${DEMO}/PC_Kovrin3.0.exe COPYONLY)
configure_file(${EMULATOR} ${DEMO}/DeviceEmulator.exe COPYONLY)
configure_file(${MANAGER} "${DEMO}/Device Emulator Manager.exe" COPYONLY)
foreach(emulation_file PPC_ENS.dll PPC_CHS.dll)
  if(NOT EXISTS ${DEMO}/${emulation_file})
    write_scrambled(${DEMO}/${emulation_file} "Sample device state of the demo.\r\nstarts=0\r\n")
    message(STATUS "Demo device state ${DEMO}/${emulation_file}")
  endif()
endforeach()
