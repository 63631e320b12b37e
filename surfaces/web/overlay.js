// The overlay: one lane drawn as its strip draws it.
"use strict";
