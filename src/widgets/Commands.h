#pragma once

#include "ButtonPictures.h"

// The commands of the image buttons. A click lands on a button's highlight picture, so a
// command's code is the highlight's index: the button's picture number plus
// ButtonPictures::kHighlight. Every window's img_Btns_Click dispatches on these codes.
namespace Command {

enum Code : int {
    AtomicWeightChart = ButtonPictures::AtomicWeight + ButtonPictures::kHighlight,  // 101
    MeltingPointChart = ButtonPictures::MeltingPoint + ButtonPictures::kHighlight,
    BoilingPointChart = ButtonPictures::BoilingPoint + ButtonPictures::kHighlight,
    DensityChart = ButtonPictures::Density + ButtonPictures::kHighlight,
    AtomicRadiusChart = ButtonPictures::AtomicRadius + ButtonPictures::kHighlight,
    CovalentRadiusChart = ButtonPictures::CovalentRadius + ButtonPictures::kHighlight,
    ElectronAffinityChart = ButtonPictures::ElectronAffinity + ButtonPictures::kHighlight,
    FusionEnthalpyChart = ButtonPictures::FusionEnthalpy + ButtonPictures::kHighlight,
    VaporisationEnthalpyChart =
        ButtonPictures::VaporisationEnthalpy + ButtonPictures::kHighlight,   // 109
    SaveSettings = ButtonPictures::Save + ButtonPictures::kHighlight,        // 170
    CancelOptions = ButtonPictures::Cancel + ButtonPictures::kHighlight,     // 171
    ShowChart = ButtonPictures::Chart + ButtonPictures::kHighlight,          // 180
    OpenOptions = ButtonPictures::Options + ButtonPictures::kHighlight,      // 181
    ShowTable = ButtonPictures::PeriodicTable + ButtonPictures::kHighlight,  // 182
    ShowAbout = ButtonPictures::About + ButtonPictures::kHighlight,          // 183
    ExitProgram = ButtonPictures::Exit + ButtonPictures::kHighlight,         // 190
};

// Normal pictures are numbered up to here; anything above is a highlight.
constexpr int kLastNormalPicture = ButtonPictures::kHighlight;

// The nine property commands chart property 0 to 8, in toolbar order.
constexpr bool isChartProperty(int code)
{
    return code >= AtomicWeightChart && code <= VaporisationEnthalpyChart;
}
constexpr qint16 chartPropertyOf(int code)
{
    return static_cast<qint16>(code - AtomicWeightChart);
}
constexpr bool drawsRadiusCircles(int code)
{
    return code == AtomicRadiusChart || code == CovalentRadiusChart;
}

static_assert(AtomicWeightChart == 101 && VaporisationEnthalpyChart == 109 && SaveSettings == 170 &&
              CancelOptions == 171 && ShowChart == 180 && OpenOptions == 181 && ShowTable == 182 &&
              ShowAbout == 183 && ExitProgram == 190);

}  // namespace Command
