// The deferred sprite list: draw-state setters, the record writers update
// code calls instead of drawing, and the image slots.
#pragma once

#include "host/string.h"
#include "toolkit/globals.h"

void vx_pell_ResetDraw();
// a == -100 keeps the current alpha.
void vx_pell_SetCol(float r, float g, float b, float a);
void vx_pell_Alpha(float a);
void vx_pell_SetRot(float degrees);
// sy == -37171 means the same as sx.
void vx_pell_SetSize(float sx, float sy = -37171.0f);
void vx_pell_Ink(int index, float brightness);
void vx_pell_InkRot(float hue, float saturation, float brightness);
void vx_pell_SetCLSCol(int r, int g, int b, float a);
void vx_pell_BGRot(float hue, float saturation, float brightness);

void vx_pell_Rect(float x, float y, float w, float h, float handleX, float handleY);
void vx_pell_Line(float x1, float y1, float x2, float y2);
void vx_pell_Triangle(float x1, float y1, float x2, float y2, float x3, float y3);
void vx_pell_DrawImg(int slot, float x, float y, int frame);

void vx_pell_LoadImg(int slot, const String& name, int frameWidth, int frameHeight, int frameCount);
