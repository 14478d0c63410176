#include "Aufraeumen.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace vektra {

void RenderAufraeumen() {
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace vektra
