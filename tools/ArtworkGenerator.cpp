// Draws every picture of the editor's interface and writes them as PNG files.
//
//   orbmini_artwork <output directory>        (normally src/resources)
//
// The drawing is fully deterministic (fixed fonts, no time stamps), so a second run writes the
// same bytes; a file whose bytes are unchanged is not rewritten. Files written:
//
//   Background.png                      1200x700  editor canvas: backdrop, tab strip, section panel
//   ProductImage.png                     786x378  the OrbMini seen from above
//   Region<Part>{Normal,Over,Down}.png             clickable parts of the product picture:
//       RegionDrumPads         203x203   RegionKnobs        321x23    RegionKeybed   529x221
//       RegionWheels            84x113   RegionTransport    202x20    RegionRollMode  31x20
//       RegionSwitches         332x74    RegionOctave        65x20
//       RegionRollModeTransport 32x21    (the small button left of "ROLL", opens the transport view)
//   Tab<Name>{Normal,Over,Down}.png      tabs, 138x40 for Main and Sustain, 132x40 for the others:
//       TabMain TabKnobs TabSwitches TabDrumPads TabRollMode TabTransport TabKeybed TabModPitch
//       TabSustain
//   Arrow{Right,Left}{Normal,Over,Down}.png   17x26  bank arrows (transparent)
//   Button{GetPreset,SendPreset,SavePreset,LoadPreset}{Normal,Over}.png   249x35  main section
//   KeybedDivider.png                      3x191  vertical divider of the keybed view
//   DeviceSetupBackground.png            360x425  backdrop of the MIDI device setup dialog
//   DeviceListFrame.png                  327x141  frame behind each device list
//   AboutImage.png                       484x267  About window picture
//   <each of the above>@2x.png                     the same picture at twice the size, for windows
//                                                  scaled above 100 %
//   desktop/AppIcon{16,24,32,48,64,128,256}.png       application icon (installed, not embedded)
//   desktop/PresetIcon{16,24,32,48,64,128}.png        icon of the preset file type

#include <juce_core/juce_core.h>
#include <juce_graphics/juce_graphics.h>

#include <png.h>

#include <cmath>
#include <functional>
#include <iostream>
#include <vector>

namespace
{
using juce::Colour;
using juce::ColourGradient;
using juce::Graphics;
using juce::Image;
using juce::Path;
using juce::PathStrokeType;
using juce::Rectangle;

namespace Palette
{
const Colour accent { 0xff117fc6 };
const Colour accentBright { 0xff3d9fe3 };
const Colour accentGlow { 0xff8fcaf5 };
const Colour white { 0xffffffff };
const Colour panelTop { 0xff26303c };
const Colour panelBottom { 0xff1b222b };
const Colour bodyTop { 0xff34383e };
const Colour bodyBottom { 0xff212327 };
const Colour printing { 0xffa9b2bc }; // silk-screen lettering on the device
const Colour rubber { 0xff45494f };
const Colour rubberDark { 0xff33363b };
} // namespace Palette

juce::Font font (float height, bool bold = false, const char* family = "DejaVu Sans")
{
    return juce::Font (family, height, bold ? juce::Font::bold : juce::Font::plain);
}

juce::Font spaced (float height, bool bold, float kerning)
{
    return font (height, bold).withExtraKerningFactor (kerning);
}

void text (Graphics& g, const juce::String& s, Rectangle<float> area, const juce::Font& f, Colour c,
           juce::Justification j = juce::Justification::centred)
{
    g.setColour (c);
    g.setFont (f);
    g.drawText (s, area, j, false);
}

// Every picture is drawn in its own pixel units; the set for high-resolution screens draws the
// same picture at twice the pixel count through a scaled context, so shapes and text stay sharp.
int pictureScale = 1;

Image newPixelImage (int w, int h)
{
    return Image (Image::ARGB, w, h, true, juce::SoftwareImageType());
}

// A picture of w x h units at the scale of the set being drawn.
Image newImage (int w, int h)
{
    return newPixelImage (w * pictureScale, h * pictureScale);
}

// Makes a context on a new picture draw in picture units.
void usePictureUnits (Graphics& g)
{
    g.addTransform (juce::AffineTransform::scale ((float) pictureScale));
}

Image copyOf (const Image& source, Rectangle<int> area)
{
    auto result = newImage (area.getWidth(), area.getHeight());
    Graphics g (result);
    g.drawImageAt (source, -area.getX() * pictureScale, -area.getY() * pictureScale);
    return result;
}

void fillVertical (Graphics& g, Rectangle<float> r, Colour top, Colour bottom)
{
    g.setGradientFill (ColourGradient (top, r.getX(), r.getY(), bottom, r.getX(), r.getBottom(), false));
    g.fillRect (r);
}

void fillRoundedVertical (Graphics& g, Rectangle<float> r, float corner, Colour top, Colour bottom)
{
    g.setGradientFill (ColourGradient (top, r.getX(), r.getY(), bottom, r.getX(), r.getBottom(), false));
    g.fillRoundedRectangle (r, corner);
}

//==============================================================================
// The device

enum class Part
{
    none,
    wheels,
    pads,
    knobs,
    switches,
    transport,
    octave,
    rollTransport,
    roll,
    keybed
};

struct Region
{
    const char* fileStem;
    Part part;
    Rectangle<int> area;
};

// Positions of the clickable regions inside the 786x378 product picture.
const Region regions[] = {
    { "RegionDrumPads", Part::pads, { 10, 146, 203, 203 } },
    { "RegionKnobs", Part::knobs, { 413, 16, 321, 23 } },
    { "RegionKeybed", Part::keybed, { 220, 156, 529, 221 } },
    { "RegionWheels", Part::wheels, { 25, 10, 84, 113 } },
    { "RegionTransport", Part::transport, { 150, 100, 202, 20 } },
    { "RegionRollMode", Part::roll, { 252, 74, 31, 20 } },
    { "RegionSwitches", Part::switches, { 408, 40, 332, 74 } },
    { "RegionOctave", Part::octave, { 150, 74, 65, 20 } },
    { "RegionRollModeTransport", Part::rollTransport, { 218, 74, 32, 21 } },
};

Rectangle<float> regionArea (Part part)
{
    for (auto& r : regions)
        if (r.part == part)
            return r.area.toFloat();

    return {};
}

constexpr int productWidth = 786;
constexpr int productHeight = 378;

// A small rubber button with a lettering or icon on it; lit buttons glow blue.
void drawDeviceButton (Graphics& g, Rectangle<float> r, bool lit)
{
    juce::DropShadow (Colour (0x90000000), 3, { 0, 1 }).drawForRectangle (g, r.toNearestInt());

    if (lit)
    {
        g.setColour (Palette::accentBright.withAlpha (0.35f));
        g.fillRoundedRectangle (r.expanded (1.5f), 4.5f);
        fillRoundedVertical (g, r, 3.0f, Palette::accentBright, Palette::accent);
        g.setColour (Palette::accentGlow.withAlpha (0.8f));
    }
    else
    {
        fillRoundedVertical (g, r, 3.0f, Palette::rubber, Palette::rubberDark);
        g.setColour (Colour (0x30ffffff));
    }

    g.drawRoundedRectangle (r.reduced (0.5f), 3.0f, 1.0f);
}

void drawBody (Graphics& g)
{
    const auto body = Rectangle<float> (0, 0, (float) productWidth, (float) productHeight).reduced (0.5f);
    fillRoundedVertical (g, body, 16.0f, Palette::bodyTop, Palette::bodyBottom);

    // a soft sheen across the top panel
    g.setGradientFill (ColourGradient (Colour (0x14ffffff), 0, 0, Colour (0x00ffffff), 0, 150, false));
    g.fillRoundedRectangle (body.withHeight (150), 16.0f);

    g.setColour (Colour (0x40ffffff));
    g.drawRoundedRectangle (body.reduced (0.5f), 16.0f, 1.0f);
    g.setColour (Colour (0xff101113));
    g.drawRoundedRectangle (body, 16.0f, 1.0f);
}

void drawLogo (Graphics& g)
{
    text (g, "KESTRIN", { 128, 14, 170, 14 }, spaced (11.0f, true, 0.45f), Palette::printing,
          juce::Justification::centredLeft);

    g.setFont (font (30.0f, true));
    juce::GlyphArrangement orb, mini;
    orb.addLineOfText (font (30.0f, true), "Orb", 126, 56);
    mini.addLineOfText (font (30.0f, false), "Mini", 126 + orb.getBoundingBox (0, -1, true).getWidth() + 1, 56);
    g.setColour (Palette::white);
    orb.draw (g);
    g.setColour (Palette::accentBright);
    mini.draw (g);

    text (g, "25-KEY USB MIDI CONTROLLER", { 222, 16, 130, 10 }, spaced (6.5f, false, 0.12f),
          Palette::printing.withAlpha (0.8f), juce::Justification::centredLeft);
}

void drawWheels (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::wheels);

    for (int i = 0; i < 2; ++i)
    {
        auto slot = Rectangle<float> (area.getX() + 3 + (float) i * 42, area.getY() + 2, 36, area.getHeight() - 4);
        g.setColour (Colour (0xff0c0d0f));
        g.fillRoundedRectangle (slot, 6.0f);

        if (lit)
        {
            g.setColour (Palette::accentBright.withAlpha (0.9f));
            g.drawRoundedRectangle (slot.reduced (1.0f), 6.0f, 2.0f);
        }
        else
        {
            g.setColour (Colour (0x26ffffff));
            g.drawRoundedRectangle (slot, 6.0f, 1.0f);
        }

        // the wheel: a cylinder seen from above, lit from the front
        auto wheel = slot.reduced (7.0f, 6.0f);
        const auto edge = lit ? Palette::accent.darker (0.6f) : Colour (0xff1e2023);
        const auto middle = lit ? Palette::accentBright : Colour (0xff5a5f66);
        ColourGradient cyl (edge, wheel.getX(), wheel.getY(), edge, wheel.getX(), wheel.getBottom(), false);
        cyl.addColour (0.45, middle);
        g.setGradientFill (cyl);
        g.fillRoundedRectangle (wheel, 3.0f);

        // grip ribs, closer together towards the ends as the surface curves away
        g.setColour (Colour (0x50000000));
        for (int k = -7; k <= 7; ++k)
        {
            const auto t = (float) k / 8.0f;
            const auto y =
                wheel.getCentreY() + std::sin (t * juce::MathConstants<float>::halfPi) * wheel.getHeight() * 0.47f;
            g.fillRect (wheel.getX() + 1, y, wheel.getWidth() - 2, 1.0f);
        }

        if (i == 0) // the pitch wheel's centre mark
        {
            g.setColour (lit ? Palette::white : Colour (0xffd8dde2));
            g.fillRect (wheel.getX() + 1, wheel.getCentreY() - 1.5f, wheel.getWidth() - 2, 3.0f);
        }
    }

    text (g, "PITCH", { area.getX() - 2, area.getBottom() + 3, 44, 10 }, spaced (7.5f, true, 0.1f), Palette::printing);
    text (g, "MOD", { area.getX() + 40, area.getBottom() + 3, 44, 10 }, spaced (7.5f, true, 0.1f), Palette::printing);
}

void drawPads (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::pads);
    const float gap = 6.0f;
    const float size = (area.getWidth() - 3 * gap) / 4.0f;

    g.setColour (Colour (0xff17181b));
    g.fillRoundedRectangle (area.expanded (0.0f), 6.0f);

    for (int row = 0; row < 4; ++row)
    {
        for (int col = 0; col < 4; ++col)
        {
            auto pad = Rectangle<float> (area.getX() + (float) col * (size + gap) + 1,
                                         area.getY() + (float) row * (size + gap) + 1, size - 2, size - 2);

            if (lit)
            {
                g.setColour (Palette::accentBright.withAlpha (0.45f));
                g.fillRoundedRectangle (pad.expanded (1.0f), 6.0f);
                ColourGradient glow (Palette::accentGlow, pad.getCentreX(), pad.getCentreY(), Palette::accent,
                                     pad.getX(), pad.getY(), true);
                g.setGradientFill (glow);
                g.fillRoundedRectangle (pad, 5.0f);
                g.setColour (Colour (0xb0ffffff));
            }
            else
            {
                fillRoundedVertical (g, pad, 5.0f, Colour (0xff4c5057), Colour (0xff393c41));
                g.setColour (Colour (0x30ffffff));
            }

            g.drawRoundedRectangle (pad.reduced (0.5f), 5.0f, 1.0f);

            // pad number in the corner, as printed on the rubber: 1 is bottom left
            const int number = (3 - row) * 4 + col + 1;
            text (g, juce::String (number), pad.reduced (4.0f, 3.0f), font (8.0f, true),
                  lit ? Colour (0xe0ffffff) : Colour (0x90ffffff), juce::Justification::bottomRight);
        }
    }
}

void drawKnobs (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::knobs);
    const float pitch = area.getWidth() / 8.0f;
    const float diameter = 21.0f;

    for (int i = 0; i < 8; ++i)
    {
        const auto cx = area.getX() + pitch * ((float) i + 0.5f);
        const auto cy = area.getCentreY();
        auto knob = Rectangle<float> (diameter, diameter).withCentre ({ cx, cy });

        if (lit)
        {
            g.setColour (Palette::accentBright.withAlpha (0.4f));
            g.fillEllipse (knob.expanded (1.0f));
        }

        juce::DropShadow (Colour (0xa0000000), 3, { 0, 1 }).drawForPath (g, [&] {
            Path p;
            p.addEllipse (knob);
            return p;
        }());

        // skirt and cap
        g.setColour (lit ? Palette::accent : Colour (0xff141517));
        g.fillEllipse (knob);
        auto cap = knob.reduced (2.5f);
        g.setGradientFill (ColourGradient (lit ? Palette::accentBright.brighter (0.3f) : Colour (0xff5d6168), cx,
                                           cap.getY(), lit ? Palette::accent.darker (0.3f) : Colour (0xff2a2c30), cx,
                                           cap.getBottom(), false));
        g.fillEllipse (cap);
        g.setColour (Colour (0x40ffffff));
        g.drawEllipse (cap, 0.8f);

        // pointer at about ten o'clock
        const auto angle = -0.9f;
        Path pointer;
        pointer.startNewSubPath (cx + std::sin (angle) * 2.5f, cy - std::cos (angle) * 2.5f);
        pointer.lineTo (cx + std::sin (angle) * 8.0f, cy - std::cos (angle) * 8.0f);
        g.setColour (Palette::white);
        g.strokePath (pointer, PathStrokeType (1.8f, PathStrokeType::curved, PathStrokeType::rounded));
    }
}

void drawSwitches (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::switches);
    const float pitch = area.getWidth() / 8.0f;
    const float rowPitch = area.getHeight() / 3.0f;

    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 8; ++col)
        {
            auto r = Rectangle<float> (area.getX() + pitch * (float) col + 4, area.getY() + rowPitch * (float) row + 5,
                                       pitch - 8, rowPitch - 9);
            drawDeviceButton (g, r, lit);
            // a small status light on each switch
            g.setColour (lit ? Palette::white : Colour (0xff25282c));
            g.fillRoundedRectangle (Rectangle<float> (10.0f, 2.0f).withCentre ({ r.getCentreX(), r.getY() + 4 }), 1.0f);
        }
}

// Transport icons, each drawn into a small square.
void drawTransportIcon (Graphics& g, int which, Rectangle<float> r, Colour c)
{
    g.setColour (c);
    const auto cx = r.getCentreX();
    const auto cy = r.getCentreY();
    Path p;

    switch (which)
    {
        case 0: // rewind
            p.addTriangle (cx - 6, cy, cx, cy - 4, cx, cy + 4);
            p.addTriangle (cx, cy, cx + 6, cy - 4, cx + 6, cy + 4);
            break;
        case 1: // fast forward
            p.addTriangle (cx + 6, cy, cx, cy - 4, cx, cy + 4);
            p.addTriangle (cx, cy, cx - 6, cy - 4, cx - 6, cy + 4);
            break;
        case 2: // stop
            p.addRectangle (cx - 3.5f, cy - 3.5f, 7, 7);
            break;
        case 3: // play
            p.addTriangle (cx - 3.5f, cy - 4.5f, cx - 3.5f, cy + 4.5f, cx + 4.5f, cy);
            break;
        case 4: // record
            p.addEllipse (cx - 4, cy - 4, 8, 8);
            break;
        default: // loop: a closed track with an arrow running along its top
        {
            Path loop;
            loop.addRoundedRectangle (cx - 6, cy - 3.5f, 12, 7, 3.0f);
            g.strokePath (loop, PathStrokeType (1.4f));
            p.addTriangle (cx - 1.5f, cy - 6.5f, cx - 1.5f, cy - 0.5f, cx + 2.5f, cy - 3.5f);
            break;
        }
    }

    g.fillPath (p);
}

void drawTransport (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::transport);
    const float gap = 4.0f;
    const float w = (area.getWidth() - 5 * gap) / 6.0f;

    for (int i = 0; i < 6; ++i)
    {
        auto r = Rectangle<float> (area.getX() + (float) i * (w + gap), area.getY(), w, area.getHeight())
                     .reduced (0.5f, 1.0f);
        drawDeviceButton (g, r, lit);
        drawTransportIcon (g, i, r, lit ? Palette::white : Colour (0xffe2e6ea));
    }

    text (g, "TRANSPORT", { area.getX(), area.getBottom() + 3, area.getWidth(), 10 }, spaced (7.5f, true, 0.1f),
          Palette::printing);
}

void drawSmallButton (Graphics& g, Rectangle<float> r, const juce::String& caption, bool lit, float size = 8.0f)
{
    drawDeviceButton (g, r, lit);
    text (g, caption, r, font (size, true), lit ? Palette::white : Colour (0xffe2e6ea));
}

void drawOctaveAndRoll (Graphics& g, Part lit)
{
    const auto octave = regionArea (Part::octave);
    const auto half = (octave.getWidth() - 4) / 2.0f;
    drawSmallButton (g, octave.withWidth (half).reduced (0.5f, 1.0f), juce::String::fromUTF8 ("\xe2\x88\x92"),
                     lit == Part::octave, 12.0f);
    drawSmallButton (g, octave.withTrimmedLeft (half + 4).reduced (0.5f, 1.0f), "+", lit == Part::octave, 12.0f);
    text (g, "OCTAVE", { octave.getX(), octave.getY() - 12, octave.getWidth(), 10 }, spaced (7.5f, true, 0.1f),
          Palette::printing);

    const auto tap = regionArea (Part::rollTransport);
    drawSmallButton (g, tap.reduced (1.0f, 1.5f), "TAP", lit == Part::rollTransport, 7.5f);

    const auto roll = regionArea (Part::roll);
    drawSmallButton (g, roll.reduced (1.0f, 1.0f), "ROLL", lit == Part::roll, 7.0f);

    text (g, "NOTE REPEAT", { tap.getX() - 4, tap.getY() - 12, roll.getRight() - tap.getX() + 8, 10 },
          spaced (6.5f, true, 0.08f), Palette::printing);
}

void drawKeybed (Graphics& g, bool lit)
{
    const auto area = regionArea (Part::keybed);

    // recess the keys sit in
    g.setColour (Colour (0xff0b0c0d));
    g.fillRect (area.expanded (4.0f, 0).withTop (area.getY() - 5));

    const int whiteKeys = 15;
    const float w = area.getWidth() / (float) whiteKeys;

    for (int i = 0; i < whiteKeys; ++i)
    {
        auto key =
            Rectangle<float> (area.getX() + (float) i * w + 0.5f, area.getY(), w - 1.0f, area.getHeight() - 1.0f);
        const auto top = lit ? Colour (0xffd9eefc) : Colour (0xfff4f5f6);
        const auto bottom = lit ? Colour (0xff9fd0f3) : Colour (0xffd9dcdf);
        ColourGradient grad (top, key.getX(), key.getY(), bottom, key.getX(), key.getBottom(), false);
        grad.addColour (0.92, lit ? Colour (0xffb8ddf7) : Colour (0xffe9ebed));
        g.setGradientFill (grad);
        g.fillRoundedRectangle (key, 2.5f);

        // the front lip of the key
        g.setColour (lit ? Colour (0xff6fb7ea) : Colour (0xffb9bdc2));
        g.fillRect (key.withTop (key.getBottom() - 6).reduced (1.0f, 0));
    }

    // black keys: after white keys C, D, F, G, A of every octave
    const int pattern[] = { 1, 1, 0, 1, 1, 1, 0 };
    for (int i = 0; i < whiteKeys - 1; ++i)
    {
        if (pattern[i % 7] == 0)
            continue;

        const auto cx = area.getX() + (float) (i + 1) * w;
        auto key = Rectangle<float> (cx - w * 0.3f, area.getY(), w * 0.6f, area.getHeight() * 0.6f);
        juce::DropShadow (Colour (0x80000000), 4, { 1, 2 }).drawForRectangle (g, key.toNearestInt());
        g.setColour (lit ? Colour (0xff0d2a40) : Colour (0xff0e0f10));
        g.fillRoundedRectangle (key, 2.0f);
        const auto capTop = lit ? Colour (0xff2f6f9c) : Colour (0xff3a3d41);
        const auto capBottom = lit ? Colour (0xff184b70) : Colour (0xff1b1c1e);
        fillRoundedVertical (g, key.reduced (2.5f, 0).withTrimmedBottom (7.0f), 1.5f, capTop, capBottom);
    }

    // a light strip along the back of the keybed when the keybed is the current section
    if (lit)
    {
        g.setGradientFill (ColourGradient (Palette::accentBright, 0, area.getY(),
                                           Palette::accentBright.withAlpha (0.0f), 0, area.getY() + 14, false));
        g.fillRect (area.withHeight (14));
    }
}

Image drawProduct (Part lit)
{
    auto image = newImage (productWidth, productHeight);
    Graphics g (image);
    usePictureUnits (g);

    drawBody (g);
    g.reduceClipRegion (Rectangle<int> (0, 0, productWidth, productHeight));
    drawLogo (g);
    drawWheels (g, lit == Part::wheels);
    drawPads (g, lit == Part::pads);
    drawKnobs (g, lit == Part::knobs);
    drawSwitches (g, lit == Part::switches);
    drawTransport (g, lit == Part::transport);
    drawOctaveAndRoll (g, lit);
    drawKeybed (g, lit == Part::keybed);

    // knob and switch legends
    text (g, "KNOBS", { 360, 16, 48, 23 }, spaced (7.5f, true, 0.1f), Palette::printing,
          juce::Justification::centredRight);
    text (g, "SWITCHES", { 352, 40, 52, 74 }, spaced (7.5f, true, 0.1f), Palette::printing,
          juce::Justification::centredRight);

    return image;
}

// The region images: normal is the untouched crop, over a gentle highlight, down the part lit up.
Image regionImage (const Region& region, int state, const Image& product)
{
    const auto r = region.area;
    auto image = copyOf (state == 2 ? drawProduct (region.part) : product, r);

    if (state >= 1)
    {
        Graphics g (image);
        usePictureUnits (g);
        auto box = Rectangle<float> (0, 0, (float) r.getWidth(), (float) r.getHeight()).reduced (0.5f);
        if (state == 1)
        {
            g.setColour (Colour (0x16ffffff));
            g.fillRoundedRectangle (box, 4.0f);
        }

        g.setColour (state == 1 ? Palette::accentGlow.withAlpha (0.75f) : Palette::accentBright);
        g.drawRoundedRectangle (box, 4.0f, 1.0f);
    }

    return image;
}

//==============================================================================
// Editor canvas, tabs, buttons

constexpr int editorWidth = 1200;
constexpr int editorHeight = 700;
constexpr int tabTop = 450;
constexpr int panelTop = 490;

void drawSectionPanel (Graphics& g, Rectangle<float> r)
{
    fillVertical (g, r, Palette::panelTop, Palette::panelBottom);
    g.setColour (Palette::accent);
    g.fillRect (r.withHeight (2.0f));
}

Image drawBackground()
{
    auto image = newImage (editorWidth, editorHeight);
    Graphics g (image);
    usePictureUnits (g);

    // studio backdrop behind the device
    const auto top = Rectangle<float> (0, 0, (float) editorWidth, (float) tabTop);
    fillVertical (g, top, Colour (0xffeceff2), Colour (0xffc3cad2));
    g.setGradientFill (
        ColourGradient (Colour (0x50ffffff), editorWidth / 2.0f, 190, Colour (0x00ffffff), 0, 190, true));
    g.fillRect (top);

    // the device's shadow on the desk
    const auto device = Rectangle<float> (207, 50, (float) productWidth, (float) productHeight);
    Path outline;
    outline.addRoundedRectangle (device.translated (0, 8), 16.0f);
    juce::DropShadow (Colour (0x70000000), 24, { 0, 4 }).drawForPath (g, outline);

    // tab strip and section panel
    fillVertical (g, { 0, (float) tabTop, (float) editorWidth, 40 }, Colour (0xff2c3540), Colour (0xff222a33));
    drawSectionPanel (g, { 0, (float) panelTop, (float) editorWidth, (float) (editorHeight - panelTop) });

    return image;
}

Image drawTab (const juce::String& caption, int width, int state)
{
    auto image = newImage (width, 40);
    Graphics g (image);
    usePictureUnits (g);
    const auto r = Rectangle<float> (0, 0, (float) width, 40);

    if (state == 2)
    {
        fillVertical (g, r, Palette::accentBright, Palette::accent);
        g.setColour (Colour (0x60ffffff));
        g.fillRect (r.withHeight (1.0f));
        g.setColour (Palette::white);
        g.fillRect (r.withTrimmedTop (37).reduced (10, 0));
    }
    else
    {
        fillVertical (g, r, state == 1 ? Colour (0xff3a4552) : Colour (0xff2e3742),
                      state == 1 ? Colour (0xff303a46) : Colour (0xff242c36));
        g.setColour (Colour (0x18ffffff));
        g.fillRect (r.withHeight (1.0f));
        g.setColour (Colour (0xff161b21));
        g.fillRect (r.withTrimmedLeft ((float) width - 1));
        g.setColour (Colour (0x14ffffff));
        g.fillRect (r.withWidth (1.0f));
    }

    const auto colour = state == 2 ? Palette::white : state == 1 ? Colour (0xfff2f5f8) : Colour (0xffb4bec9);
    text (g, caption, r.withTrimmedBottom (1), font (15.0f, state == 2), colour);
    return image;
}

void drawArrowIcon (Graphics& g, Rectangle<float> r, bool up)
{
    Path p;
    const auto cx = r.getCentreX();
    if (up)
    {
        p.startNewSubPath (cx, r.getBottom());
        p.lineTo (cx, r.getY() + 2);
        p.startNewSubPath (cx - 5, r.getY() + 7);
        p.lineTo (cx, r.getY() + 2);
        p.lineTo (cx + 5, r.getY() + 7);
    }
    else
    {
        p.startNewSubPath (cx, r.getY());
        p.lineTo (cx, r.getBottom() - 2);
        p.startNewSubPath (cx - 5, r.getBottom() - 7);
        p.lineTo (cx, r.getBottom() - 2);
        p.lineTo (cx + 5, r.getBottom() - 7);
    }

    g.strokePath (p, PathStrokeType (2.0f, PathStrokeType::curved, PathStrokeType::rounded));
}

void drawIcon (Graphics& g, int which, Rectangle<float> r)
{
    g.setColour (Palette::white);
    const auto stroke = PathStrokeType (1.6f, PathStrokeType::curved, PathStrokeType::rounded);

    switch (which)
    {
        case 0: // get: into the computer
        case 1: // send: out to the device
        {
            drawArrowIcon (g, r.withTrimmedBottom (5), which == 1);
            g.fillRoundedRectangle (r.withTop (r.getBottom() - 3), 1.0f);
            break;
        }
        case 2: // save: a disk
        {
            Path disk;
            auto d = r.reduced (1.0f);
            disk.startNewSubPath (d.getX(), d.getY());
            disk.lineTo (d.getRight() - 4, d.getY());
            disk.lineTo (d.getRight(), d.getY() + 4);
            disk.lineTo (d.getRight(), d.getBottom());
            disk.lineTo (d.getX(), d.getBottom());
            disk.closeSubPath();
            g.strokePath (disk, stroke);
            g.fillRect (Rectangle<float> (d.getX() + 3.5f, d.getY() + 1, d.getWidth() - 9, 4.5f));
            g.drawRect (Rectangle<float> (d.getX() + 3, d.getBottom() - 6, d.getWidth() - 6, 5.5f), 1.3f);
            break;
        }
        default: // load: a folder
        {
            Path folder;
            auto f = r.reduced (0.5f, 2.0f);
            folder.startNewSubPath (f.getX(), f.getBottom());
            folder.lineTo (f.getX(), f.getY());
            folder.lineTo (f.getX() + 6, f.getY());
            folder.lineTo (f.getX() + 8, f.getY() + 2.5f);
            folder.lineTo (f.getRight() - 1, f.getY() + 2.5f);
            folder.lineTo (f.getRight() - 1, f.getY() + 5);
            folder.startNewSubPath (f.getX(), f.getBottom());
            folder.lineTo (f.getX() + 3, f.getY() + 5);
            folder.lineTo (f.getRight() + 1, f.getY() + 5);
            folder.lineTo (f.getRight() - 2, f.getBottom());
            folder.closeSubPath();
            g.strokePath (folder, stroke);
            break;
        }
    }
}

Image drawMainButton (const juce::String& caption, int icon, bool over)
{
    auto image = newImage (249, 35);
    Graphics g (image);
    usePictureUnits (g);
    const auto r = Rectangle<float> (0, 0, 249, 35).reduced (0.5f);

    if (over)
        fillRoundedVertical (g, r, 5.0f, Palette::accentBright, Palette::accent);
    else
        fillRoundedVertical (g, r, 5.0f, Colour (0xff34404e), Colour (0xff2a3441));

    g.setColour (over ? Palette::accentGlow : Palette::accent);
    g.drawRoundedRectangle (r.reduced (0.5f), 5.0f, 1.0f);

    drawIcon (g, icon, { 14, 9.5f, 16, 16 });
    text (g, caption, { 40, 0, 200, 35 }, font (14.0f, true), Palette::white, juce::Justification::centredLeft);
    return image;
}

Image drawArrow (bool pointsRight, int state)
{
    auto image = newImage (17, 26);
    Graphics g (image);
    usePictureUnits (g);

    Path chevron;
    const float l = 5.0f, r = 12.0f;
    if (pointsRight)
    {
        chevron.startNewSubPath (l, 4);
        chevron.lineTo (r, 13);
        chevron.lineTo (l, 22);
    }
    else
    {
        chevron.startNewSubPath (r, 4);
        chevron.lineTo (l, 13);
        chevron.lineTo (r, 22);
    }

    const auto stroke = PathStrokeType (3.5f, PathStrokeType::mitered, PathStrokeType::rounded);
    if (state == 1)
    {
        g.setColour (Palette::accentBright.withAlpha (0.45f));
        g.strokePath (chevron, PathStrokeType (6.5f, PathStrokeType::mitered, PathStrokeType::rounded));
    }

    g.setColour (state == 0 ? Colour (0xc0ffffff) : state == 1 ? Palette::white : Palette::accentBright);
    g.strokePath (chevron, stroke);
    return image;
}

Image drawKeybedDivider()
{
    auto image = newImage (3, 191);
    Graphics g (image);
    usePictureUnits (g);
    ColourGradient line (Colour (0x00ffffff), 0, 0, Colour (0x00ffffff), 0, 191, false);
    line.addColour (0.2, Colour (0x90ffffff));
    line.addColour (0.8, Colour (0x90ffffff));
    g.setGradientFill (line);
    g.fillRect (1, 0, 1, 191);
    g.setOpacity (0.35f);
    ColourGradient glow (Palette::accentBright.withAlpha (0.0f), 0, 0, Palette::accentBright.withAlpha (0.0f), 0, 191,
                         false);
    glow.addColour (0.5, Palette::accentBright.withAlpha (0.6f));
    g.setGradientFill (glow);
    g.fillRect (0, 0, 1, 191);
    g.fillRect (2, 0, 1, 191);
    return image;
}

Image drawDeviceSetupBackground()
{
    auto image = newImage (360, 425);
    Graphics g (image);
    usePictureUnits (g);
    const auto r = Rectangle<float> (0, 0, 360, 425);
    fillVertical (g, r, Colour (0xfff5f7f9), Colour (0xffdde2e7));

    fillVertical (g, r.withHeight (34), Palette::accentBright, Palette::accent);
    text (g, "MIDI Devices", { 16, 0, 330, 34 }, font (16.0f, true), Palette::white, juce::Justification::centredLeft);

    // small port glyphs beside the "INPUT" and "OUTPUT" captions drawn by the dialog
    for (auto y : { 53.0f, 221.5f })
    {
        g.setColour (Palette::accent);
        g.fillRect (Rectangle<float> (15, y - 6, 3, 12));
    }

    g.setColour (Colour (0xffc2c9d0));
    g.fillRect (15.0f, 373.0f, 330.0f, 1.0f);
    return image;
}

Image drawDeviceListFrame()
{
    auto image = newImage (327, 141);
    Graphics g (image);
    usePictureUnits (g);
    const auto r = Rectangle<float> (0, 0, 327, 141).reduced (0.5f);
    fillRoundedVertical (g, r, 6.0f, Palette::panelTop, Palette::panelBottom);
    g.setColour (Palette::accent);
    g.drawRoundedRectangle (r.reduced (0.5f), 6.0f, 1.5f);
    return image;
}

Image drawAbout (const Image& product)
{
    auto image = newImage (484, 267);
    Graphics g (image);
    usePictureUnits (g);
    const auto r = Rectangle<float> (0, 0, 484, 267);
    fillVertical (g, r, Colour (0xffffffff), Colour (0xffe6eaee));

    const int h = 116;
    const int w = productWidth * h / productHeight;
    const auto picture = Rectangle<int> ((484 - w) / 2, 10, w, h);
    Path outline;
    outline.addRoundedRectangle (picture.toFloat(), 4.0f);
    juce::DropShadow (Colour (0x50000000), 10, { 0, 3 }).drawForPath (g, outline);
    g.setColour (juce::Colours::black);
    // The product picture is already in pixels of this set: place it without scaling it twice.
    g.drawImageTransformed (product.rescaled (w * pictureScale, h * pictureScale, Graphics::highResamplingQuality),
                            juce::AffineTransform::scale (1.0f / (float) pictureScale)
                                .translated ((float) picture.getX(), (float) picture.getY()));

    text (g, "OrbMini Editor", { 0, 158, 484, 30 }, font (24.0f, true), Palette::accent);
    text (g, "KESTRIN", { 0, 188, 484, 16 }, spaced (11.0f, true, 0.45f), Colour (0xff6b7580));

    g.setColour (Palette::accent.withAlpha (0.6f));
    g.fillRect (162.0f, 211.0f, 160.0f, 1.0f);
    return image;
}

//==============================================================================
// Desktop icons (installed, not embedded), drawn on a 256-unit square and scaled to each size.

void drawIconOrb (Graphics& g, juce::Point<float> centre, float radius)
{
    g.setGradientFill (ColourGradient (Palette::accentGlow, centre.x - radius * 0.35f, centre.y - radius * 0.45f,
                                       Colour (0xff0b4f7e), centre.x + radius * 0.6f, centre.y + radius, true));
    g.fillEllipse (Rectangle<float> (radius * 2, radius * 2).withCentre (centre));
    g.setColour (Palette::white.withAlpha (0.55f));
    g.fillEllipse (Rectangle<float> (radius * 0.7f, radius * 0.45f)
                       .withCentre (centre.translated (-radius * 0.3f, -radius * 0.5f)));
    g.setColour (Palette::accentBright);
    g.drawEllipse (Rectangle<float> (radius * 2, radius * 2).withCentre (centre), radius * 0.08f);
}

void drawIconKeys (Graphics& g, Rectangle<float> area, int whiteKeys)
{
    const auto keyWidth = area.getWidth() / (float) whiteKeys;
    g.setColour (Colour (0xfff4f6f8));
    g.fillRect (area);
    g.setColour (Colour (0xff1b222b));

    for (int i = 1; i < whiteKeys; ++i)
        g.fillRect (area.getX() + keyWidth * (float) i - 1.5f, area.getY(), 3.0f, area.getHeight());

    // black keys after the 1st, 2nd, 4th, 5th and 6th white key of every octave
    for (int i = 0; i < whiteKeys - 1; ++i)
        if (i % 7 != 2 && i % 7 != 6)
            g.fillRect (area.getX() + keyWidth * ((float) i + 0.68f), area.getY(), keyWidth * 0.64f,
                        area.getHeight() * 0.6f);
}

Image drawAppIcon (int size)
{
    auto image = newPixelImage (size, size);
    Graphics g (image);
    g.addTransform (juce::AffineTransform::scale ((float) size / 256.0f));

    const auto body = Rectangle<float> (12, 12, 232, 232);
    fillRoundedVertical (g, body, 44.0f, Palette::bodyTop, Palette::bodyBottom);
    g.setColour (Colour (0x40ffffff));
    g.drawRoundedRectangle (body.reduced (2.0f), 42.0f, 3.0f);

    drawIconOrb (g, { 128, 96 }, 56);
    drawIconKeys (g, { 40, 170, 176, 52 }, 7);
    return image;
}

Image drawPresetIcon (int size)
{
    auto image = newPixelImage (size, size);
    Graphics g (image);
    g.addTransform (juce::AffineTransform::scale ((float) size / 256.0f));

    // a page with its top right corner folded over
    Path page;
    page.startNewSubPath (40, 12);
    page.lineTo (168, 12);
    page.lineTo (216, 60);
    page.lineTo (216, 244);
    page.lineTo (40, 244);
    page.closeSubPath();
    g.setGradientFill (ColourGradient (Colour (0xffffffff), 0, 12, Colour (0xffdde2e7), 0, 244, false));
    g.fillPath (page);

    g.setColour (Colour (0xff6b7580));
    g.strokePath (page, PathStrokeType (6.0f, PathStrokeType::curved));

    Path fold;
    fold.startNewSubPath (168, 12);
    fold.lineTo (168, 60);
    fold.lineTo (216, 60);
    fold.closeSubPath();
    g.setColour (Colour (0xffc2c9d0));
    g.fillPath (fold);
    g.setColour (Colour (0xff6b7580));
    g.strokePath (fold, PathStrokeType (6.0f, PathStrokeType::curved));

    drawIconOrb (g, { 128, 116 }, 46);
    fillVertical (g, { 62, 180, 132, 44 }, Palette::bodyTop, Palette::bodyBottom);
    drawIconKeys (g, { 68, 184, 120, 36 }, 5);
    return image;
}

//==============================================================================

// A PNG file of the picture: RGB when every pixel is opaque, else RGBA (unpremultiplied). Written
// with libpng rather than the framework's writer to choose the row filters: the editor's decoder
// undoes the Paeth and average filters a byte at a time, so only the none, sub and up filters are
// used, which it undoes several times faster; at the highest compression the files still come out
// smaller than the framework's.
bool encodePng (const Image& image, juce::MemoryOutputStream& out)
{
    png_structp png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct (png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_write_struct (&png, nullptr);
        return false;
    }

    const Image::BitmapData pixels (image, Image::BitmapData::readOnly);
    bool opaque = true;
    for (int y = 0; opaque && y < image.getHeight(); ++y)
        for (int x = 0; opaque && x < image.getWidth(); ++x)
            opaque = pixels.getPixelColour (x, y).getAlpha() == 255;

    const int channels = opaque ? 3 : 4;
    std::vector<png_byte> row ((std::size_t) (image.getWidth() * channels));

    if (setjmp (png_jmpbuf (png)) != 0)
    {
        png_destroy_write_struct (&png, &info);
        return false;
    }

    png_set_write_fn (
        png, &out,
        [] (png_structp writer, png_bytep data, png_size_t size) {
            static_cast<juce::MemoryOutputStream*> (png_get_io_ptr (writer))->write (data, size);
        },
        nullptr);
    png_set_IHDR (png, info, (png_uint_32) image.getWidth(), (png_uint_32) image.getHeight(), 8,
                  opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                  PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter (png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE | PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_compression_level (png, 9);
    png_write_info (png, info);

    for (int y = 0; y < image.getHeight(); ++y)
    {
        auto* next = row.data();
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto colour = pixels.getPixelColour (x, y); // unpremultiplied
            *next++ = colour.getRed();
            *next++ = colour.getGreen();
            *next++ = colour.getBlue();
            if (! opaque)
                *next++ = colour.getAlpha();
        }
        png_write_row (png, row.data());
    }

    png_write_end (png, info);
    png_destroy_write_struct (&png, &info);
    return true;
}

class Writer
{
public:
    explicit Writer (juce::File dir) : directory (std::move (dir)) {}

    void write (const juce::String& name, const Image& image)
    {
        juce::MemoryOutputStream data;
        if (! encodePng (image, data))
        {
            std::cerr << "cannot encode " << name << "\n";
            ok = false;
            return;
        }

        const auto file = directory.getChildFile (name);
        juce::MemoryBlock existing;
        if (file.existsAsFile() && file.loadFileAsData (existing) && existing == data.getMemoryBlock())
        {
            ++unchanged;
            return;
        }

        if (! file.replaceWithData (data.getData(), data.getDataSize()))
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            ok = false;
            return;
        }

        ++written;
    }

    juce::File directory;
    int written = 0, unchanged = 0;
    bool ok = true;
};

const char* const stateNames[] = { "Normal", "Over", "Down" };

// Every picture of the interface, each file name ending in suffix (before ".png").
void writePictures (Writer& out, const char* suffix)
{
    const auto product = drawProduct (Part::none);
    out.write (juce::String ("ProductImage") + suffix + ".png", product);
    out.write (juce::String ("Background") + suffix + ".png", drawBackground());

    for (auto& region : regions)
        for (int state = 0; state < 3; ++state)
            out.write (juce::String (region.fileStem) + stateNames[state] + suffix + ".png",
                       regionImage (region, state, product));

    struct Tab
    {
        const char* stem;
        const char* caption;
        int width;
    };
    const Tab tabs[] = { { "TabMain", "Main", 138 },          { "TabKnobs", "Knobs", 132 },
                         { "TabSwitches", "Switches", 132 },  { "TabDrumPads", "Drum Pads", 132 },
                         { "TabRollMode", "Roll Mode", 132 }, { "TabTransport", "Transport", 132 },
                         { "TabKeybed", "Keybed", 132 },      { "TabModPitch", "Mod/Pitch", 132 },
                         { "TabSustain", "Sustain", 138 } };
    for (auto& tab : tabs)
        for (int state = 0; state < 3; ++state)
            out.write (juce::String (tab.stem) + stateNames[state] + suffix + ".png",
                       drawTab (tab.caption, tab.width, state));

    for (int state = 0; state < 3; ++state)
    {
        out.write (juce::String ("ArrowRight") + stateNames[state] + suffix + ".png", drawArrow (true, state));
        out.write (juce::String ("ArrowLeft") + stateNames[state] + suffix + ".png", drawArrow (false, state));
    }

    struct MainButton
    {
        const char* stem;
        const char* caption;
    };
    const MainButton buttons[] = { { "ButtonGetPreset", "Get Preset from Hardware" },
                                   { "ButtonSendPreset", "Send Preset to Hardware" },
                                   { "ButtonSavePreset", "Save Preset to Hard Drive" },
                                   { "ButtonLoadPreset", "Load Preset from Hard Drive" } };
    for (int i = 0; i < 4; ++i)
    {
        out.write (juce::String (buttons[i].stem) + "Normal" + suffix + ".png",
                   drawMainButton (buttons[i].caption, i, false));
        out.write (juce::String (buttons[i].stem) + "Over" + suffix + ".png",
                   drawMainButton (buttons[i].caption, i, true));
    }

    out.write (juce::String ("KeybedDivider") + suffix + ".png", drawKeybedDivider());
    out.write (juce::String ("DeviceSetupBackground") + suffix + ".png", drawDeviceSetupBackground());
    out.write (juce::String ("DeviceListFrame") + suffix + ".png", drawDeviceListFrame());
    out.write (juce::String ("AboutImage") + suffix + ".png", drawAbout (product));
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: orbmini_artwork <output directory>\n";
        return 2;
    }

    const auto dir = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    if (! dir.createDirectory())
    {
        std::cerr << "cannot create " << dir.getFullPathName() << "\n";
        return 1;
    }

    // Another face would change every caption: insist on the one the pictures were drawn with.
    const auto face = font (12.0f).getTypefacePtr();
    if (face == nullptr || face->getName() != "DejaVu Sans")
    {
        std::cerr << "the DejaVu Sans font is needed (Debian: fonts-dejavu-core)\n";
        return 1;
    }

    Writer out (dir);

    // The set in use at 100 %, then the same pictures at twice the size for scaled windows.
    writePictures (out, "");
    pictureScale = 2;
    writePictures (out, "@2x");
    pictureScale = 1;

    // Installed with the desktop entry and the preset file type (freedesktop icon sizes).
    if (! dir.getChildFile ("desktop").createDirectory())
    {
        std::cerr << "cannot create " << dir.getChildFile ("desktop").getFullPathName() << "\n";
        return 1;
    }

    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
        out.write ("desktop/AppIcon" + juce::String (size) + ".png", drawAppIcon (size));

    for (int size : { 16, 24, 32, 48, 64, 128 })
        out.write ("desktop/PresetIcon" + juce::String (size) + ".png", drawPresetIcon (size));

    std::cout << out.written << " written, " << out.unchanged << " unchanged in " << dir.getFullPathName() << "\n";
    return out.ok ? 0 : 1;
}
