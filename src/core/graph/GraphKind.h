#pragma once

// Which graph the graph window draws; the values are those the window keeps
// between openings.
enum class GraphKind : int { Segment = 0, Time = 1 };
