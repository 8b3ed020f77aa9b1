// Compares the core's APCA lightness contrast and WCAG 2 ratio with colorjs.io, an independent implementation of
// both, on every ordered pair of the 216 web-safe colours and on seeded random pairs (each pair in both orders,
// so both polarities). Usage: node contrast_test.mjs PATH/TO/contrast_dump
// Exit 0 when everything agrees, 1 on a disagreement, 77 (skipped) when colorjs.io is not installed.
import { spawnSync } from "node:child_process";

let Color;
try {
  Color = (await import("colorjs.io")).default;
} catch {
  console.log("colorjs.io is not installed: run `npm ci` in tests/js (scripts/test does)");
  process.exit(77);
}

const dump = process.argv[2];
const LC_TOLERANCE = 0.1;
// colorjs.io takes luminance from the exact CSS Color 4 matrix, WCAG 2 from its four-digit coefficients: the
// ratios differ by up to about 0.0012.
const RATIO_TOLERANCE = 0.005;

const hex2 = (n) => n.toString(16).padStart(2, "0");
const hex = ([r, g, b]) => hex2(r) + hex2(g) + hex2(b);

// A small seeded generator, so a failure can be reproduced.
let seed = 0x5eed2020;
function random() {
  seed ^= seed << 13; seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5; seed >>>= 0;
  return seed / 4294967296;
}
const randomColor = () => [0, 1, 2].map(() => Math.floor(random() * 256));

const webSafe = [];
for (const r of [0, 51, 102, 153, 204, 255])
  for (const g of [0, 51, 102, 153, 204, 255])
    for (const b of [0, 51, 102, 153, 204, 255]) webSafe.push([r, g, b]);

const pairs = [];
for (const text of webSafe) for (const back of webSafe) pairs.push([text, back]);
for (let i = 0; i < 20000; ++i) {
  const text = randomColor();
  const back = randomColor();
  pairs.push([text, back], [back, text]);
}

const input = pairs.map(([text, back]) => `${hex(text)} ${hex(back)}`).join("\n") + "\n";
const result = spawnSync(dump, [], { input, maxBuffer: 1 << 28 });
if (result.status !== 0) {
  console.log(`${dump} failed: ${result.stderr}`);
  process.exit(1);
}
const lines = result.stdout.toString().split("\n");

const failures = [];
let worstLc = 0;
let worstRatio = 0;
let positive = 0;
let negative = 0;
pairs.forEach(([text, back], i) => {
  const [lc, ratio] = lines[i].split(" ").map(Number);
  const textColor = new Color("#" + hex(text));
  const backColor = new Color("#" + hex(back));
  // colorjs.io takes the background first.
  const theirLc = Color.contrastAPCA(backColor, textColor);
  const theirRatio = Color.contrastWCAG21(textColor, backColor);
  const dLc = Math.abs(lc - theirLc);
  const dRatio = Math.abs(ratio - theirRatio);
  worstLc = Math.max(worstLc, dLc);
  worstRatio = Math.max(worstRatio, dRatio);
  if (theirLc > 0) ++positive;
  if (theirLc < 0) ++negative;
  if (!(dLc <= LC_TOLERANCE)) failures.push(`#${hex(text)} on #${hex(back)}: Lc ${lc}, colorjs.io ${theirLc}`);
  if (!(dRatio <= RATIO_TOLERANCE))
    failures.push(`#${hex(text)} on #${hex(back)}: ratio ${ratio}, colorjs.io ${theirRatio}`);
});

// The published examples.
const published = [
  ["888888", "ffffff", 63.1],
  ["ffffff", "888888", -68.5],
];
const examples = spawnSync(dump, [], { input: published.map(([t, b]) => `${t} ${b}`).join("\n") + "\n" });
examples.stdout.toString().split("\n").slice(0, published.length).forEach((line, i) => {
  const lc = Number(line.split(" ")[0]);
  const [text, back, expected] = published[i];
  if (!(Math.abs(lc - expected) < 0.05)) failures.push(`#${text} on #${back}: Lc ${lc}, published ${expected}`);
});

console.log(`${pairs.length} pairs (${positive} dark on light, ${negative} light on dark): ` +
            `largest difference Lc ${worstLc.toExponential(2)}, ratio ${worstRatio.toExponential(2)}`);
if (failures.length > 0) {
  console.log(`${failures.length} disagreements:\n` + failures.slice(0, 40).join("\n"));
  process.exit(1);
}
