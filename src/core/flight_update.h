#pragma once
// The flight as the running game drives it: the frame time, the pointer and the arrow
// keys in, the nectar and collision tests, the camera list out.

namespace glh {
struct FlightCamera;
}

// Every displayed frame of play, before anything is drawn.
void updateFlight();

// The bee against the stage's collision mesh: bounces, and the hive's door.
void collideWithStage(glh::FlightCamera& bee);

// At the level start, once the bee stands at her start: level pitch, one update, and a
// camera a little further behind her.
void startFlight();
