// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a packed picture (src/web/packed_picture.h) on a canvas 2D context
// whose transform maps CSS pixels to the backing store.
'use strict';

// Dash patterns in pen widths: Solid, Dashed (4 on, 2 off), Dotted (1 on, 2 off).
const DashPatterns = [[], [4, 2], [1, 2]];

// The record tags, how many fields follow each and the faces' font
// families, as the program gives them (page_facts.h).
let Tag = {};
let RecordLengths = [];  // by tag: the tag and its fields
let Faces = [];
function setPictureFacts(tags, fields, faces) {
  for (const name of ['Pen', 'Line', 'Arc', 'Dot', 'Text', 'Font', 'Backing']) {
    if (tags[name] === undefined || !(fields[tags[name]] >= 0)) {
      throw new Error('orvath: no picture record ' + name);
    }
  }
  Tag = tags;
  RecordLengths = fields.map((count) => count + 1);
  Faces = faces;
}

function cssColour(packed) {
  return packed < 0 ? '#000' : '#' + packed.toString(16).padStart(6, '0');
}

function paintPicture(ctx, records, count, texts, width, height) {
  ctx.fillStyle = '#fff';
  ctx.fillRect(0, 0, width, height);
  ctx.lineCap = 'butt';
  ctx.lineJoin = 'miter';
  let penWidth = 1;
  let colour = '#000';
  let ascent = 0;
  for (let i = 0; i < count; i += RecordLengths[records[i]]) {
    const r = records;
    switch (r[i]) {
      case Tag.Pen:  // colour width style
        colour = cssColour(r[i + 1]);
        penWidth = r[i + 2];
        ctx.strokeStyle = colour;
        ctx.lineWidth = penWidth;
        ctx.setLineDash((DashPatterns[r[i + 3]] || []).map((d) => d * penWidth));
        break;
      case Tag.Line:  // x1 y1 x2 y2
        // Each line on its own: a lone segment's stroke is convex, which the
        // rasteriser fills far faster than one path of many crossing lines.
        ctx.beginPath();
        ctx.moveTo(r[i + 1], r[i + 2]);
        ctx.lineTo(r[i + 3], r[i + 4]);
        ctx.stroke();
        break;
      case Tag.Arc: {  // x y radius from to, anticlockwise
        const x = r[i + 1], y = r[i + 2], radius = r[i + 3], from = r[i + 4];
        ctx.beginPath();
        ctx.moveTo(x + radius * Math.cos(from), y + radius * Math.sin(from));
        ctx.arc(x, y, radius, from, r[i + 5], true);
        ctx.stroke();
        break;
      }
      case Tag.Dot:  // x y: a pixel, or a disc as wide as the pen
        ctx.fillStyle = colour;
        if (penWidth <= 1) {
          ctx.fillRect(r[i + 1] - 0.5, r[i + 2] - 0.5, 1, 1);
        } else {
          ctx.beginPath();
          ctx.arc(r[i + 1], r[i + 2], penWidth / 2, 0, 2 * Math.PI);
          ctx.fill();
        }
        break;
      case Tag.Text:  // x y index: top-left corner, baseline one ascent below
        ctx.fillStyle = '#000';
        ctx.fillText(texts[r[i + 3]], r[i + 1], r[i + 2] + ascent);
        break;
      case Tag.Font:  // size face
        ctx.font = r[i + 1] + 'px ' + Faces[r[i + 2]];
        ascent = ctx.measureText('X').fontBoundingBoxAscent;
        break;
      case Tag.Backing:  // x y width height colour
        ctx.fillStyle = cssColour(r[i + 5]);
        ctx.fillRect(r[i + 1], r[i + 2], r[i + 3], r[i + 4]);
        break;
      default:
        throw new Error('bad picture record ' + r[i] + ' at ' + i);
    }
  }
}

// The handles over the picture, never into it: records of x, y, radius,
// colour (as the Pen records have it) and 1 when held; a ring in the rays'
// colour, filled more while held.
function paintHandles(ctx, handles) {
  ctx.setLineDash([]);
  ctx.lineWidth = 3;
  for (let i = 0; i + 4 < handles.length; i += 5) {
    const colour = cssColour(handles[i + 3]);
    ctx.beginPath();
    ctx.arc(handles[i], handles[i + 1], handles[i + 2], 0, 2 * Math.PI);
    ctx.globalAlpha = handles[i + 4] ? 160 / 255 : 60 / 255;
    ctx.fillStyle = colour;
    ctx.fill();
    ctx.globalAlpha = 1;
    ctx.strokeStyle = colour;
    ctx.stroke();
  }
}
