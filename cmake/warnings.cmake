# Our own targets build warning-free with these; third-party code keeps its own flags.
add_library(orlinde_warnings INTERFACE)
target_compile_options(orlinde_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror=return-type)
