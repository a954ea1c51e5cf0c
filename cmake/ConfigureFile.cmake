# A file's @VARIABLES@ filled in when it is built rather than configured, for files that a build
# step makes: cmake -DIN=FILE.in -DOUT=FILE [-DVARIABLE=VALUE...] -P ConfigureFile.cmake
configure_file(${IN} ${OUT} @ONLY)
