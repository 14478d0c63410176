#pragma once
// Owning handles for cairo objects and the write callback that collects a surface's output in
// memory, so the files are written atomically by the caller.
#include <cairo.h>

#include <memory>
#include <string>

namespace vektra {

struct SurfaceFreigabe {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct KontextFreigabe {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceFreigabe>;
using Kontext = std::unique_ptr<cairo_t, KontextFreigabe>;

// cairo_write_func_t appending to the std::string given as closure.
cairo_status_t InStringSchreiben(void* ziel, const unsigned char* daten, unsigned int laenge);

// Finishes the surface (a vector surface writes its last bytes now). False with cairo's reason
// in `fehler` when the context or the surface has failed on the way.
bool Abschliessen(cairo_t* c, cairo_surface_t* s, std::string& fehler);

} // namespace vektra
