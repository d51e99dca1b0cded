# Writes the manual page from the program's own --help text, so the two never disagree.
#   cmake -DPROGRAM=path/to/LenvariMain -DVERSION=4.13 -DOUTPUT=LenvariMain.1 -P ManPage.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()

# troff reads a backslash as an escape and a line starting with a dot or quote as a request.
function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A CMake list is separated by semicolons: those of the text are held as a marker meanwhile.
string(REPLACE ";" "<semicolon>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(name_line "")
set(options "")
set(in_option FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^Usage:")
    continue()
  elseif(name_line STREQUAL "" AND NOT line STREQUAL "")
    string(REGEX REPLACE "^[^:]*: *" "" name_line "${line}")
    string(REGEX REPLACE "\\.$" "" name_line "${name_line}")
  elseif(line MATCHES "^  (-[^ ]+( [A-Z][^ ]*)?) +(.*)$")
    roff_escape("${CMAKE_MATCH_1}" option)
    roff_escape("${CMAKE_MATCH_3}" meaning)
    string(APPEND options ".TP\n.B ${option}\n${meaning}\n")
  elseif(line MATCHES "^ +(.*)$")
    roff_escape("${CMAKE_MATCH_1}" more)
    string(APPEND options "${more}\n")
  endif()
endforeach()
roff_escape("${name_line}" name_line)

set(page ".TH LENVARIMAIN 1 \"\" \"Lenvari ${VERSION}\" \"User Commands\"
.SH NAME
LenvariMain \\- ${name_line}
.SH SYNOPSIS
.B LenvariMain
[\\fIoptions\\fR]
.SH DESCRIPTION
The chart opens full-screen on the patient monitor; the control window on the examiner's
desktop takes the keys. Every command is a single key; q lists the quick keys, Esc or Ctrl+Q asks whether to quit.
.SH OPTIONS
${options}.SH FILES
.TP
.I $XDG_DATA_HOME/Lenvari/LenvariAcuity4
the data folder (settings, calibration, presets, letter sets, images); without
XDG_DATA_HOME it is
.IR ~/.local/share/Lenvari/LenvariAcuity4 .
Ctrl+Z exports it as a ZIP archive that moves the whole configuration to another computer.
.SH EXIT STATUS
0 after a normal end, 2 when the command line is wrong or no display can be opened.
")
string(REPLACE "<semicolon>" ";" page "${page}")
file(WRITE ${OUTPUT} "${page}")
