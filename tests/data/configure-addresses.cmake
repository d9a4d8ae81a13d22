# cmake -DHOME=URL -DSOURCE=REPOSITORY -DOUT=FOLDER -P configure-addresses.cmake
# The metainfo and the manual page as the build writes them for a home page HOME (empty: none).
set(PROJECT_VERSION 0.0)
include(${SOURCE}/cmake/Addresses.cmake)
vennaros_addresses("${HOME}")
configure_file(${SOURCE}/data/org.vennaros.Vennaros.metainfo.xml ${OUT}/org.vennaros.Vennaros.metainfo.xml @ONLY)
configure_file(${SOURCE}/data/vennaros.1.in ${OUT}/vennaros.1 @ONLY)
