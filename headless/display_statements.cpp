// Without a display the drawing, window and menu statements and the functions
// that read the screen refuse to run (headless/refusals.h). The clear screen
// runs: its text part empties the console grid; there are no graphics to clear.
#include <string>

#include "console/console_device.h"
#include "console/text_layer.h"
#include "graphics/argument_text.h"
#include "graphics/graphics_handlers.h"
#include "headless/refusals.h"
#include "interp/interpreter.h"

namespace tess {

// Modes 1 and 3 clear the text; 2 (graphics only) and every other mode change
// nothing on the grid.
void stmt_cls(Exec& ex, std::string_view args) {
  const int32_t mode = args.empty() ? 1 : eval_int(ex.in, args);
  if (mode != 1 && mode != 3) return;
  if (ConsoleDevice* device = ex.in.host().console_device())
    device->edit_current_layer([](TextLayer& layer) { layer.clear(); });
}

// The drawing and image forms of the shared codes; their other forms (line
// input, record read and write) run here.
void draw_line(Exec&, std::string_view) { refuse(Stmt::kLine); }
void get_image(Exec&, std::string_view) { refuse(Stmt::kGet); }
void put_image(Exec&, std::string_view) { refuse(Stmt::kPut); }

}  // namespace tess
