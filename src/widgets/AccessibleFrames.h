#pragma once

// Qt reports a QFrame to screen readers as a "border", which the Linux accessibility bus
// passes on as a frame: the role of a top-level window. Orca then takes the frame for a
// window that is not active and keeps quiet about the focus inside it, so a control in a
// frame (the chart in its cropping frame, the option buttons in theirs) is never heard.
// Here a frame is what it is on screen: a borderless one a plain area, a drawn one a panel.
//
// Interfaces are made on first use and kept, and with a reader listening the first use
// comes as soon as a widget is shown or renamed: install() runs before any window is made.
namespace AccessibleFrames {

void install();

}  // namespace AccessibleFrames
