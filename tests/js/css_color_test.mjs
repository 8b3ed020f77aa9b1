// Compares the core's CSS colour forms, parser and gamut mapping with colorjs.io, an independent implementation of
// CSS Color 4. Usage: node css_color_test.mjs PATH/TO/css_color_dump
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
const FORMS = ["hex", "rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch", "named"];
const failures = [];
const fail = (text) => failures.push(text);

// The core's answer for each text, one dump run for the lot.
function runDump(texts) {
  const result = spawnSync(dump, [], { input: texts.join("\n") + "\n", maxBuffer: 1 << 28 });
  if (result.status !== 0) throw new Error(`${dump} failed: ${result.stderr}`);
  const lines = result.stdout.toString().split("\n").slice(0, texts.length);
  return lines.map((line) => {
    if (!line.startsWith("OK ")) return { error: line };
    const [alpha, ...rest] = line.slice(3).split(" ");
    const forms = rest.join(" ").split("\t");
    return { alpha: Number(alpha), forms: Object.fromEntries(FORMS.map((f, i) => [f, forms[i]])) };
  });
}

// A small seeded generator, so a failure can be reproduced.
let seed = 0x2545f491;
function random() {
  seed ^= seed << 13; seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5; seed >>>= 0;
  return seed / 4294967296;
}

const hex2 = (n) => n.toString(16).padStart(2, "0");
const numbersOf = (text) => (text.match(/-?[\d.]+/g) || []).map(Number);
const decimalsOf = (text) => (text.match(/-?[\d.]+/g) || []).map((n) => (n.split(".")[1] || "").length);

// "Within the last printed digit": one unit of the printed precision (plus a hair for binary fractions).
function near(ours, theirs, decimals) {
  return Math.abs(ours - theirs) <= Math.pow(10, -decimals) * 1.0001;
}
function nearHue(ours, theirs, decimals) {
  const d = Math.abs(ours - theirs) % 360;
  return Math.min(d, 360 - d) <= Math.pow(10, -decimals) * 1.0001;
}

// Per form: the colorjs space, and which coordinate is a hue. Decimals are what the core prints.
const POLAR = { hsl: [0, 1], hwb: [0, -1], lch: [2, 1], oklch: [2, 1] };
const SPACE = { hsl: "hsl", hwb: "hwb", lab: "lab", lch: "lch", oklab: "oklab", oklch: "oklch" };
const DECIMALS = { hsl: [2, 2, 2], hwb: [2, 2, 2], lab: [2, 2, 2], lch: [2, 2, 2], oklab: [5, 5, 5], oklch: [5, 5, 2] };

const namesByValue = new Map();
{
  // colorjs.io lists the named colours; the core writes the first alias in alphabetical order.
  const keywords = (await import(new URL("./node_modules/colorjs.io/src/keywords.js", import.meta.url))).default;
  for (const name of Object.keys(keywords).sort()) {
    const key = keywords[name].map((c) => hex2(Math.round(c * 255))).join("");
    if (!namesByValue.has(key)) namesByValue.set(key, name);
  }
}

function checkForms(r, g, b, got) {
  const label = `#${hex2(r)}${hex2(g)}${hex2(b)}`;
  if (got.error) return fail(`${label}: ${got.error}`);
  const color = new Color("srgb", [r / 255, g / 255, b / 255]);
  if (got.forms.hex !== color.toString({ format: "hex", collapse: false }))
    fail(`${label}: hex ${got.forms.hex}`);
  if (got.forms.rgb !== `rgb(${r} ${g} ${b})`) fail(`${label}: rgb ${got.forms.rgb}`);
  const name = namesByValue.get(label.slice(1)) || "";
  if (got.forms.named !== name) fail(`${label}: named '${got.forms.named}', expected '${name}'`);
  for (const form of Object.keys(SPACE)) {
    const text = got.forms[form];
    if (!text.startsWith(form + "(")) { fail(`${label}: ${form} form ${text}`); continue; }
    const ours = numbersOf(text);
    const theirs = color.to(SPACE[form]).coords;
    const decimals = DECIMALS[form];
    const printed = decimalsOf(text);
    for (let i = 0; i < 3; ++i) {
      if (printed[i] > decimals[i]) fail(`${label}: ${text} prints more than ${decimals[i]} decimals`);
      const polar = POLAR[form];
      if (polar && i === polar[0]) {
        // A hue is powerless where the printed chroma (or saturation, or whiteness gap) is zero; we write 0.
        const chromaZero = polar[1] >= 0 ? ours[polar[1]] === 0 : r === g && g === b;
        if (chromaZero) {
          if (ours[i] !== 0) fail(`${label}: ${text} writes a powerless hue that is not 0`);
          continue;
        }
        if (Number.isNaN(theirs[i])) {
          fail(`${label}: ${text} has a hue where colorjs.io has none`);
          continue;
        }
        if (!nearHue(ours[i], theirs[i], decimals[i])) fail(`${label}: ${text} vs ${color.to(SPACE[form]).toString()} (${theirs})`);
        continue;
      }
      if (!near(ours[i], theirs[i], decimals[i])) fail(`${label}: ${text} vs ${theirs.join(" ")}`);
    }
  }
}

// 1. Every web-smart colour and a random sample: all forms.
const rgbs = [];
for (let r = 0; r < 256; r += 17) for (let g = 0; g < 256; g += 17) for (let b = 0; b < 256; b += 17) rgbs.push([r, g, b]);
for (let i = 0; i < 4000; ++i) rgbs.push([0, 0, 0].map(() => Math.floor(random() * 256)));
{
  const answers = runDump(rgbs.map(([r, g, b]) => `#${hex2(r)}${hex2(g)}${hex2(b)}`));
  rgbs.forEach(([r, g, b], i) => checkForms(r, g, b, answers[i]));
}

// 2. Texts in every notation: ours must be colorjs.io's colour (gamut-mapped the CSS way when outside sRGB),
// within one 8-bit step per channel in gamut and within deltaE OK 0.02 outside.
const JND = 0.02;
const mappedStats = { count: 0, maxDeltaE: 0, sameByte: 0 };
function expectedOf(text) {
  const parsed = new Color(text);
  const srgb = parsed.to("srgb");
  const inGamut = srgb.inGamut();
  return { inGamut, mapped: inGamut ? srgb : parsed.toGamut({ space: "srgb", method: "css" }).to("srgb") };
}
function compareParsed(texts) {
  const answers = runDump(texts);
  texts.forEach((text, i) => {
    const got = answers[i];
    if (got.error) return fail(`${text}: refused (${got.error})`);
    const { inGamut, mapped } = expectedOf(text);
    const ours = new Color(got.forms.hex);
    if (inGamut) {
      const theirs = mapped.coords.map((c) => Math.round(Math.min(1, Math.max(0, c)) * 255));
      const mine = ours.coords.map((c) => Math.round(c * 255));
      if (mine.some((c, k) => Math.abs(c - theirs[k]) > 1)) fail(`${text}: ${got.forms.hex} vs rgb(${theirs.join(" ")})`);
    } else {
      // Near black a step of 1/255 is a large distance in OKLab, so the same 8-bit colour also counts.
      const dE = ours.deltaE(mapped, { method: "OK" });
      mappedStats.count += 1;
      const theirs8 = mapped.coords.map((c) => Math.round(Math.min(1, Math.max(0, c)) * 255));
      const same8 = ours.coords.every((c, k) => Math.abs(Math.round(c * 255) - theirs8[k]) <= 1);
      if (dE <= JND) mappedStats.maxDeltaE = Math.max(mappedStats.maxDeltaE, dE);
      else if (same8) mappedStats.sameByte += 1;
      if (!(dE <= JND) && !same8) fail(`${text}: ${got.forms.hex} is ${dE.toFixed(4)} deltaE OK from ${mapped.toString({ format: "hex" })}`);
    }
    const alpha = new Color(text).alpha;
    if (Math.abs(got.alpha - (Number.isNaN(alpha) ? 0 : alpha)) > 1e-9) fail(`${text}: alpha ${got.alpha} vs ${alpha}`);
  });
}

const fixed = [
  "#f80", "#F80C", "#ff8000", "#FF800080", "red", "RebeccaPurple", "grey", "aqua",
  "rgb(255, 128, 0)", "rgba(255,128,0,0.5)", "rgb(100%, 50%, 0%)", "rgba(100%, 50%, 0%, 50%)",
  "rgb(255 128 0)", "rgb(255 128 0 / 0.25)", "rgb(100% 50% 0% / 25%)", "rgb(none 128 0)",
  "hsl(30, 100%, 50%)", "hsla(30deg, 100%, 50%, .5)", "hsl(30 100% 50%)", "hsl(0.5turn 40% 60% / 10%)",
  "hsl(3.14159rad 50% 50%)", "hsl(200grad 50% 50%)", "hsl(-90 50% 50%)", "hsl(750 50% 50%)", "hsl(none 0% 50%)",
  "hwb(30 20% 10%)", "hwb(120deg 60% 60%)", "hwb(0.25turn 0% 0% / 0.5)",
  "lab(50 40 -20)", "lab(50% 40 -20)", "lab(60 100% -100%)", "lab(100 0 0)", "lab(0 0 0)", "lab(54.29 80.8 69.89)",
  "lch(50 30 200)", "lch(70% 100% 30deg)", "lch(90 150 120)", "lch(40 0 none)",
  "oklab(0.5 0.1 -0.1)", "oklab(50% 25% -25%)", "oklab(0.9 -0.3 0.3)",
  "oklch(70% 0.4 30)", "oklch(0.7 0.1 30)", "oklch(0.9 0.37 145)", "oklch(0.3 0.3 264)", "oklch(50% 100% 0.75turn)",
  "oklch(0.999 0.4 100)", "oklch(0.001 0.4 100)",
  "color(srgb 1 0.5 0)", "color(srgb 100% 50% 0% / 0.5)", "color(srgb 1.2 -0.1 0.5)",
  "color(display-p3 1 0 0)", "color(display-p3 0 1 0)", "color(display-p3 0.5 0.5 0.5)", "color(display-p3 0.2 0.9 0.7)",
];
compareParsed(fixed);

// Left out on purpose, tested in the core's own tests: rgb() channels past 0-255 are clamped (as browsers do),
// where colorjs.io gamut-maps them; a `none` hue counts as 0, as CSS Color 4 says of missing components, where
// colorjs.io drops the chroma.

// Random texts in each notation.
const pick = (list) => list[Math.floor(random() * list.length)];
const num = (lo, hi, decimals = 3) => (lo + random() * (hi - lo)).toFixed(decimals);
const angle = () => pick([
  () => num(-360, 720, 2), () => `${num(0, 360, 2)}deg`, () => `${num(0, 6.28, 4)}rad`, () => `${num(0, 400, 2)}grad`,
  () => `${num(0, 1, 4)}turn`])();
const generators = [
  () => `rgb(${num(0, 255, 0)}, ${num(0, 255, 0)}, ${num(0, 255, 0)})`,
  () => `rgb(${num(0, 100, 1)}% ${num(0, 100, 1)}% ${num(0, 100, 1)}% / ${num(0, 1, 2)})`,
  () => `hsl(${angle()}, ${num(0, 100, 1)}%, ${num(0, 100, 1)}%)`,
  () => `hsl(${angle()} ${num(0, 100, 1)}% ${num(0, 100, 1)}%)`,
  () => `hwb(${angle()} ${num(0, 70, 1)}% ${num(0, 70, 1)}%)`,
  () => `lab(${num(0, 100, 2)} ${num(-125, 125, 2)} ${num(-125, 125, 2)})`,
  () => `lch(${num(0, 100, 2)} ${num(0, 150, 2)} ${angle()})`,
  () => `oklab(${num(0, 1, 4)} ${num(-0.4, 0.4, 4)} ${num(-0.4, 0.4, 4)})`,
  () => `oklch(${num(0, 1, 4)} ${num(0, 0.4, 4)} ${angle()})`,
  () => `oklch(${num(0, 100, 2)}% ${num(0, 0.5, 4)} ${num(0, 360, 2)})`,
  () => `color(srgb ${num(0, 1, 4)} ${num(0, 1, 4)} ${num(0, 1, 4)})`,
  () => `color(display-p3 ${num(0, 1, 4)} ${num(0, 1, 4)} ${num(0, 1, 4)})`,
];
const texts = [];
for (let i = 0; i < 3000; ++i) texts.push(pick(generators)());
compareParsed(texts);

if (failures.length) {
  console.log(`${failures.length} disagreements with colorjs.io ${Color.version ?? ""}:`);
  for (const f of failures.slice(0, 40)) console.log("  " + f);
  process.exit(1);
}
console.log(`agrees with colorjs.io on ${rgbs.length} colours in ${FORMS.length} forms and ${fixed.length + texts.length} texts;` +
  ` ${mappedStats.count} of them gamut-mapped: ${mappedStats.count - mappedStats.sameByte} within` +
  ` ${mappedStats.maxDeltaE.toFixed(4)} deltaE OK of colorjs.io's result, ${mappedStats.sameByte} near black the same 8-bit colour`);
