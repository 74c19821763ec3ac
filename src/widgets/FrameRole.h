#pragma once

// Plain frames (the details panel, the options dialog's groups, the chart pane) are parts
// of a window. The toolkit presents a frame to screen readers with a role that they take
// for a window of its own, and a reader then keeps quiet about whatever takes the focus
// inside it, as that "window" is never the active one. Once installed, frames are presented
// as panes of their window instead.
namespace FrameRole {

void install();  // once per process; later calls do nothing

}  // namespace FrameRole
