#include "Wiring.h"

#include <QPushButton>
#include <array>

#include "Form1.h"
#include "HelpMessage.h"
#include "engine/ClickDispatch.h"
#include "engine/DigitKeys.h"
#include "engine/LogarithmKeys.h"
#include "engine/OperatorKeys.h"
#include "engine/ResultKey.h"
#include "engine/RootKeys.h"

namespace {

using Handler = void (*)(engine::Controls&);

struct Wire {
    platform::WidgetButton Form1::*button;
    Handler handler;
};

const std::array<Wire, 23> kEngineWires{{
    {&Form1::Command1, engine::Command1_Click},
    {&Form1::Command2, engine::Command2_Click},
    {&Form1::Command3, engine::Command3_Click},
    {&Form1::Command4, engine::Command4_Click},
    {&Form1::Command5, engine::Command5_Click},
    {&Form1::Command6, engine::Command6_Click},
    {&Form1::Command7, engine::Command7_Click},
    {&Form1::Command8, engine::Command8_Click},
    {&Form1::Command9, engine::Command9_Click},
    {&Form1::Command10, engine::Command10_Click},
    {&Form1::Cancella, engine::Cancella_Click},
    {&Form1::Somma, engine::Somma_Click},
    {&Form1::Differenza, engine::Differenza_Click},
    {&Form1::Prodotto, engine::Prodotto_Click},
    {&Form1::Divisione, engine::Divisione_Click},
    {&Form1::Potenza, engine::Potenza_Click},
    {&Form1::Percentuale, engine::Percentuale_Click},
    {&Form1::Risultato, engine::Risultato_Click},
    {&Form1::FunzioneInversa, engine::FunzioneInversa_Click},
    {&Form1::LogaritmoDecimale, engine::LogaritmoDecimale_Click},
    {&Form1::Logaritmo, engine::Logaritmo_Click},
    {&Form1::Radice, engine::Radice_Click},
    {&Form1::Reciproco, engine::Reciproco_Click},
}};

} // namespace

void wireClicks(Form1& form) {
    for (const Wire& wire : kEngineWires) {
        QObject::connect(&(form.*wire.button).widget(), &QPushButton::clicked, &form,
                         [&form, handler = wire.handler] {
                             engine::dispatchClick([&form, handler] { handler(form.controls()); },
                                                   form.messages());
                         });
    }
    QObject::connect(&form.Guida.widget(), &QPushButton::clicked, &form, [&form] {
        engine::dispatchClick([&form] { Guida_Click(form.messages()); }, form.messages());
    });
}
