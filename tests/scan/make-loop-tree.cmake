# Makes tree/a/file.bin and tree/a/up, a symbolic link to tree: a folder loop.
#   cmake -Dtree=DIR -P make-loop-tree.cmake
file(REMOVE_RECURSE ${tree})
file(MAKE_DIRECTORY ${tree}/a)
file(WRITE ${tree}/a/file.bin "x")
file(CREATE_LINK .. ${tree}/a/up SYMBOLIC)
