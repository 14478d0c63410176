#include "CairoUtil.h"

#include <new>

namespace vektra {

cairo_status_t InStringSchreiben(void* ziel, const unsigned char* daten, unsigned int laenge) {
    try {
        static_cast<std::string*>(ziel)->append(reinterpret_cast<const char*>(daten), laenge);
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
    return CAIRO_STATUS_SUCCESS;
}

bool Abschliessen(cairo_t* c, cairo_surface_t* s, std::string& fehler) {
    cairo_status_t status = cairo_status(c);
    cairo_surface_finish(s);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(s);
    if (status != CAIRO_STATUS_SUCCESS) fehler = cairo_status_to_string(status);
    return status == CAIRO_STATUS_SUCCESS;
}

} // namespace vektra
