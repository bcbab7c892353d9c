corvane_test(phone_pdu_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PduDecoderTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PduEncoderTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PduRobustnessTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GsmAlphabetTest.cpp
  LIBS corvane_phone
  TIMEOUT 300)
