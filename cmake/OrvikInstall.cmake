# Installs the library, its platform libraries and headers, and the CMake package
# OrvikXmlProducer with the target Orvik::orvik_xml_producer.
include(CMakePackageConfigHelpers)

set(ORVIK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrvikXmlProducer)

# Static libraries: their private links belong to the export set too.
install(TARGETS orvik_xml_producer orvik_api orvik_xml_util orvik_veld_interface
  orvik_property_proto
  EXPORT OrvikXmlProducerTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/orvik DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT OrvikXmlProducerTargets
  NAMESPACE Orvik::
  DESTINATION ${ORVIK_CMAKE_DIR})

configure_package_config_file(cmake/OrvikXmlProducerConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/OrvikXmlProducerConfig.cmake
  INSTALL_DESTINATION ${ORVIK_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OrvikXmlProducerConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/OrvikXmlProducerConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/OrvikXmlProducerConfigVersion.cmake
  DESTINATION ${ORVIK_CMAKE_DIR})
