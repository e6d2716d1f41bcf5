cmake_minimum_required(VERSION 3.25)
# cmake -P: the identifier check accepts 0x and one to four hex digits and
# refuses everything else; each value is checked in a cmake of its own, since
# a refusal ends the script.
if(DEFINED VALUE)
  include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/UsbIds.cmake)
  set(K9_USB_VENDOR_ID "${VALUE}")
  k9_check_usb_id(K9_USB_VENDOR_ID)
  return()
endif()

set(good 0x1209 0x1 0xA0f1 0xffff)
set(bad 1209 4617 0x 0x12345 0X1209 0x12g9 " 0x1209" -0x1)
foreach(value IN LISTS good bad)
  execute_process(COMMAND ${CMAKE_COMMAND} "-DVALUE=${value}" -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(value IN_LIST good AND NOT result EQUAL 0)
    message(FATAL_ERROR "refused the good identifier \"${value}\"")
  elseif(value IN_LIST bad AND result EQUAL 0)
    message(FATAL_ERROR "accepted the bad identifier \"${value}\"")
  endif()
endforeach()
message(STATUS "usb id check: 4 accepted, 8 refused")
