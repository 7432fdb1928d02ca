# Replays the golden trace's seed and fails on any difference from the
# checked-in trace: the engine must play every event as it did when the trace
# was recorded. After a deliberate change of behaviour, record it again with
#   bw_soak --seed SEED --events EVENTS --episode-length LENGTH --trace FILE
#
#   cmake -DSOAK=<bw_soak> -DGOLDEN=<trace> -DOUT=<file> -DSEED=<n> -DEVENTS=<n>
#         -DLENGTH=<n> [-DEXTRA=<more bw_soak options>] -P compare.cmake
foreach(v SOAK GOLDEN OUT SEED EVENTS LENGTH)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "compare.cmake: ${v} is not set")
  endif()
endforeach()
execute_process(
  COMMAND "${SOAK}" --seed "${SEED}" --events "${EVENTS}" --episode-length "${LENGTH}"
          --trace "${OUT}" ${EXTRA}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bw_soak failed (${result}):\n${output}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${GOLDEN}" "${OUT}"
                RESULT_VARIABLE differs)
if(differs EQUAL 0)
  message(STATUS "the trace is identical to ${GOLDEN}")
  return()
endif()
# Where the first difference is.
file(STRINGS "${GOLDEN}" want)
file(STRINGS "${OUT}" got)
list(LENGTH want want_n)
list(LENGTH got got_n)
set(episode "")
set(i 0)
while(i LESS want_n AND i LESS got_n)
  list(GET want ${i} w)
  list(GET got ${i} g)
  if(w MATCHES "^# ")
    set(episode "${w}")
    set(event 0)
  else()
    math(EXPR event "${event} + 1")
  endif()
  if(NOT w STREQUAL g)
    math(EXPR line "${i} + 1")
    message(FATAL_ERROR "the trace differs from ${GOLDEN} at line ${line}, event ${event} of "
                        "episode\n  ${episode}\n  want ${w}\n  got  ${g}")
  endif()
  math(EXPR i "${i} + 1")
endwhile()
if(NOT want_n EQUAL got_n)
  message(FATAL_ERROR "the trace has ${got_n} lines, ${GOLDEN} has ${want_n}")
endif()
message(FATAL_ERROR "the trace differs from ${GOLDEN}")
