#pragma once
// `oxa --view-scene NN`: a garden shown with a camera that orbits the hive, for level
// designers. Drag with a mouse button to turn, the wheel or the Up/Down arrows to zoom.

// Loads the scene and takes over the window's callbacks. False for a number without a
// scene.
bool startSceneViewer(int sceneNumber, bool exitOpen);
