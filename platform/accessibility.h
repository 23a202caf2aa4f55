// Makes a window's named controls findable by automation over the accessibility bridge.
#pragma once

class QWidget;

namespace vevi {

// Every named widget (the window included) carries its objectName as its accessible
// description; the bridge exposes no object names.
void DescribeNamedControls(QWidget* window);

}  // namespace vevi
