# Warnings are errors in our own code. Floating point follows the written
# order of operations: no fused multiply-add contraction, no fast-math.
function(kav_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wconversion -Wno-sign-conversion -Werror
    -ffp-contract=off -fno-fast-math)
endfunction()
