# Read by ctest before the test programs are asked for their tests: they list
# and run headless, with the C locale, whatever the caller's environment.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LC_ALL} C)
