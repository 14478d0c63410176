#include "text/Abbruch.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <new>
#include <stdexcept>

namespace vektra {

std::string Abbruchmeldung(std::exception_ptr ausnahme) {
    std::string grund;
    try {
        std::rethrow_exception(ausnahme);
    } catch (const std::bad_alloc&) {
        grund = T("v.SpeicherFehlt");
    } catch (const std::length_error&) {
        grund = T("v.SpeicherFehlt");
    } catch (const std::exception& e) {
        grund = e.what();
    } catch (...) {
        grund = T("v.FehlerUnbekannt");
    }
    return Formatieren(T("v.Abgebrochen"), {grund});
}

} // namespace vektra
