// The default-button rule on its own: at most one holder, setting true moves the role, setting
// false on the holder leaves none, and the emphasis is redrawn only where the role really moved.

#include <doctest/doctest.h>

#include "MemoryControls.h"

using testing::MemoryButton;

TEST_CASE("reads true only for the holder") {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    CHECK(!a.isDefault());
    CHECK(!b.isDefault());
    CHECK(rule.holder() == nullptr);
    b.setDefault(true);
    CHECK(!a.isDefault());
    CHECK(b.isDefault());
    CHECK(rule.holder() == &b);
}

TEST_CASE("setting true moves the role") {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule), c(rule);
    a.setDefault(true);
    b.setDefault(true);
    CHECK(!a.isDefault());
    CHECK(b.isDefault());
    CHECK(!c.isDefault());
    CHECK(!a.emphasised);
    CHECK(b.emphasised);
}

TEST_CASE("setting true on the holder changes nothing") {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    a.emphasised = false; // a redraw would set it again
    a.setDefault(true);
    CHECK(a.isDefault());
    CHECK(!a.emphasised);
}

TEST_CASE("setting false on the holder leaves none") {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    a.setDefault(false);
    CHECK(!a.isDefault());
    CHECK(!b.isDefault());
    CHECK(!a.emphasised);
    CHECK(rule.holder() == nullptr);
}

TEST_CASE("setting false on another button changes nothing") {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    b.setDefault(false);
    CHECK(a.isDefault());
    CHECK(a.emphasised);
    CHECK(!b.isDefault());
}

TEST_CASE("a destroyed holder leaves none") {
    platform::DefaultButtonRule rule;
    {
        MemoryButton a(rule);
        a.setDefault(true);
    }
    CHECK(rule.holder() == nullptr);
}
