// The macro editor (resource IDs 5000-5299).
#pragma once
