#pragma once

// The application's title: window captions, the notices that carry no title
// of their own and the settings file are named after it.
inline constexpr const char *kTituloAplicacion = "Orvella";
