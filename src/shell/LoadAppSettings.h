#pragma once

// Copies the stored settings into memory at start-up: the company record, the caption
// variables, negative stock control, the list search fields, the duplicate-ware permission
// and the number formats.
void LoadAppSettings();
