# The page renderer and its canvases. No widgets and no print support: the
# printer reaches the canvas as a QPainter on a QPaintDevice.
add_library(gorvin_render STATIC
  Canvas.h
  PrintParams.h
  Renderer.cpp Renderer.h
  PainterCanvas.cpp PainterCanvas.h
  RecordingCanvas.cpp RecordingCanvas.h
)
target_include_directories(gorvin_render PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(gorvin_render PUBLIC gorvin_model Qt6::Gui Qt6::Svg)
