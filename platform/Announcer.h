#pragma once

#include <string>

namespace platform {

// What a click changed that a screen reader should hear, each part empty where nothing of its kind
// changed: the operation an operator key took ("in attesa: più"), a new display text (a result, a
// message), and a change of the 2ndF state ("seconda funzione attiva").
struct News {
    std::string operation;
    std::string display;
    std::string secondFunction;

    // Every part, in that order, joined by ", "; "" when nothing changed.
    std::string words() const;
    // The rest, without the display, which can speak its own new text.
    std::string operationAndSecondFunction() const;
};

// Has a screen reader speak what a click changed without moving the focus. Where no assistive
// technology listens, it costs nothing. Told after every click, with empty news when the click
// changed nothing worth saying.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(const News& news) = 0;
};

} // namespace platform
