// The button group editor (resource IDs 5300-5399).
#pragma once
