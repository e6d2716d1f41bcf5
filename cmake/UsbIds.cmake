# The mouse's USB identifiers are read both by the compiler (as C++ literals)
# and by the udev rule (as hex): only "0x" and one to four hex digits mean the
# same to both.
function(k9_check_usb_id variable)
  set(value "${${variable}}")
  if(NOT value MATCHES "^0x[0-9A-Fa-f][0-9A-Fa-f]?[0-9A-Fa-f]?[0-9A-Fa-f]?$")
    message(FATAL_ERROR "${variable} is \"${value}\": write 0x and one to four hex digits, for example 0x1209")
  endif()
endfunction()
