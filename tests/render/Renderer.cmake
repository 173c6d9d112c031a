gorvin_add_test(test_render LIBS gorvin_render SOURCES
  RendererTest.cpp
  PainterCanvasTest.cpp
)
