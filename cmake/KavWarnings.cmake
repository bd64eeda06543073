# Warnings are errors in our own code. Floating point follows the written
# order of operations: no fused multiply-add contraction, no fast-math.
function(kav_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wconversion -Wno-sign-conversion -Werror
    # g++ 12 reports std::string appends as overlapping copies at -O3 (a
    # known false positive of its restrict analysis).
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>
    -ffp-contract=off -fno-fast-math)
endfunction()
