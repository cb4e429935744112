# A fresh copy of a seed corpus for one ctest run, so that what the fuzzer
# adds stays in the build tree and each run starts from the committed seeds:
# cmake -DQUELLE=<seeds> -DZIEL=<copy> -P korpus.cmake
file(REMOVE_RECURSE "${ZIEL}")
file(COPY "${QUELLE}/" DESTINATION "${ZIEL}")
