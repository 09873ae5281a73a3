# Warnings apply to our own targets only, so third-party headers stay quiet.
function(orvik_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
