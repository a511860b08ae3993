#include "ClickDispatch.h"

#include <exception>
#include <new>

#include "ArithmeticError.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"

namespace engine {

namespace {

const char* describe(ArithmeticError::Kind kind) {
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return "Overflow";
    case ArithmeticError::Kind::DivisionByZero:
        return "Divisione per zero";
    case ArithmeticError::Kind::InvalidOperation:
        return "Operazione non valida";
    }
    return "Errore di calcolo";
}

} // namespace

void dispatchClick(const std::function<void()>& handler, platform::MessageBox& report) {
    const char* message = nullptr;
    try {
        handler();
        return;
    } catch (const ArithmeticError& error) {
        message = describe(error.kind());
    } catch (const platform::ClipboardError&) {
        message = "Appunti non disponibili";
    } catch (const std::bad_alloc&) {
        message = "Memoria insufficiente";
    } catch (const std::exception&) {
        message = "Errore imprevisto";
    }
    // Reported outside the catch, so a box that itself fails cannot hide the first error.
    report.show(message, platform::MessageBox::Icon::Warning);
}

} // namespace engine
