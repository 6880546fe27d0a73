#include "HtmlRenderer.h"

namespace zt::ui {

// One phone-sized column in the platform's grouped style; colours are variables so the dark
// appearance only swaps them.
std::string_view HtmlRenderer::stylesheet() {
    return R"css(
.zt-screen {
  --zt-background: #f2f2f7; --zt-surface: #ffffff; --zt-text: #000000; --zt-secondary: #6c6c70;
  --zt-separator: #c6c6c8; --zt-accent: #007aff; --zt-destructive: #ff3b30; --zt-track: #e5e5ea;
  --zt-overlay: rgb(0 0 0 / 0.4); --zt-highlight: #007aff;
  color-scheme: light;
  background: var(--zt-background); color: var(--zt-text);
  font: 17px/1.3 system-ui, -apple-system, "Segoe UI", Roboto, sans-serif;
  width: 390px; min-height: 780px; margin: 0 auto; border-radius: 40px; overflow: hidden;
  position: relative; box-shadow: 0 0 0 10px #1c1c1e, 0 20px 60px rgb(0 0 0 / 0.35); padding-bottom: 24px;
}
.zt-screen[data-appearance="dark"] {
  --zt-background: #000000; --zt-surface: #1c1c1e; --zt-text: #ffffff; --zt-secondary: #98989f;
  --zt-separator: #38383a; --zt-accent: #0a84ff; --zt-destructive: #ff453a; --zt-track: #3a3a3c;
  --zt-overlay: rgb(0 0 0 / 0.6); --zt-highlight: #0a84ff; color-scheme: dark;
}
@media (prefers-color-scheme: dark) {
  .zt-screen[data-appearance="auto"] {
    --zt-background: #000000; --zt-surface: #1c1c1e; --zt-text: #ffffff; --zt-secondary: #98989f;
    --zt-separator: #38383a; --zt-accent: #0a84ff; --zt-destructive: #ff453a; --zt-track: #3a3a3c;
    --zt-overlay: rgb(0 0 0 / 0.6); --zt-highlight: #0a84ff; color-scheme: dark;
  }
}
.zt-screen * { box-sizing: border-box; }
.zt-large-title { font-size: 34px; font-weight: 700; }
.zt-title { font-size: 28px; font-weight: 600; }
.zt-headline { font-size: 17px; font-weight: 600; }
.zt-subheadline { font-size: 15px; }
.zt-body { font-size: 17px; }
.zt-callout { font-size: 16px; }
.zt-footnote { font-size: 13px; }
.zt-caption { font-size: 12px; }
.zt-bold { font-weight: 700; }
.zt-secondary { color: var(--zt-secondary); }
.zt-navigation { display: flex; flex-direction: column; }
.zt-navigation-bar { display: flex; flex-wrap: wrap; align-items: flex-end; justify-content: space-between;
  gap: 8px; padding: 48px 16px 8px; }
.zt-navigation-title { font-size: 34px; font-weight: 700; margin: 0; order: 1; flex-basis: 100%; }
.zt-toolbar { display: flex; gap: 12px; justify-content: flex-end; align-items: center; flex-wrap: wrap;
  flex-basis: 100%; }
.zt-toolbar:empty { display: none; }
.zt-toolbar .zt-toggle { background: none; padding: 0; gap: 6px; font-size: 15px; }
.zt-navigation-content, .zt-group { display: contents; }
.zt-navigation-content > *, .zt-screen > .zt-list, .zt-screen > .zt-stack, .zt-screen > .zt-card,
.zt-screen > .zt-section { margin-left: 16px; margin-right: 16px; }
.zt-screen > * { margin-top: 12px; }
.zt-list { display: flex; flex-direction: column; gap: 24px; padding: 8px 0; }
.zt-section { display: block; margin: 8px 0; }
.zt-section-header { font-size: 13px; font-weight: 400; text-transform: uppercase; color: var(--zt-secondary);
  margin: 0 16px 6px; }
.zt-section-footer { font-size: 13px; color: var(--zt-secondary); margin: 6px 16px 0; }
.zt-section-body { background: var(--zt-surface); border-radius: 10px; overflow: hidden; }
.zt-section-body > *:not(.zt-group), .zt-section-body > .zt-group > * { display: flex; min-height: 44px;
  align-items: center; gap: 10px; padding: 10px 16px; border-bottom: 0.5px solid var(--zt-separator); }
.zt-section-body > *:last-child { border-bottom: none; }
.zt-row { display: flex; align-items: center; gap: 10px; }
.zt-row > * { min-width: 0; overflow-wrap: anywhere; }
.zt-row > .zt-button { flex: none; white-space: nowrap; }
.zt-row > .zt-text:last-child, .zt-row > .zt-button:last-child { margin-left: auto; text-align: right; }
.zt-stack { display: flex; gap: 8px; }
.zt-vstack { flex-direction: column; align-items: stretch; }
.zt-hstack { flex-direction: row; align-items: center; flex-wrap: wrap; }
.zt-grid { display: grid; gap: 12px; }
.zt-spacer { flex: 1 1 0; }
.zt-divider { border: none; border-top: 0.5px solid var(--zt-separator); margin: 4px 0; width: 100%; }
.zt-card { background: var(--zt-surface); border-radius: 16px; padding: 14px 16px; display: flex;
  flex-direction: column; gap: 8px; box-shadow: 0 1px 3px rgb(0 0 0 / 0.08); }
.zt-card.zt-highlighted { outline: 2px solid var(--zt-highlight); }
.zt-label { display: inline-flex; align-items: center; gap: 8px; }
.zt-icon { display: inline-flex; width: 1.2em; height: 1.2em; flex: none; color: var(--zt-accent); }
.zt-label .zt-icon { color: inherit; }
.zt-icon svg { width: 100%; height: 100%; }
.zt-emoji { align-items: center; justify-content: center; font-size: 1em; line-height: 1; }
.zt-icon-missing { border: 1.5px dashed var(--zt-secondary); border-radius: 50%; }
.zt-image { display: inline-flex; color: var(--zt-accent); }
.zt-button { font: inherit; color: var(--zt-accent); background: none; border: none; padding: 6px 0; cursor: pointer;
  display: inline-flex; align-items: center; gap: 6px; text-align: left; }
.zt-button:disabled { color: var(--zt-secondary); opacity: 0.5; cursor: default; }
.zt-button.zt-destructive { color: var(--zt-destructive); }
.zt-button.zt-cancel { font-weight: 600; }
.zt-content-button { color: inherit; display: flex; flex-direction: column; align-items: stretch; width: 100%;
  padding: 0; gap: 8px; }
.zt-toggle, .zt-picker, .zt-date-picker { display: flex; align-items: center; justify-content: space-between;
  gap: 12px; width: 100%; }
.zt-control-title { flex: 1; }
.zt-toggle input { appearance: none; width: 51px; height: 31px; border-radius: 16px; background: var(--zt-track);
  position: relative; cursor: pointer; flex: none; margin: 0; transition: background 0.2s; }
.zt-toggle input::after { content: ""; position: absolute; top: 2px; left: 2px; width: 27px; height: 27px;
  border-radius: 50%; background: #fff; box-shadow: 0 2px 4px rgb(0 0 0 / 0.25); transition: left 0.2s; }
.zt-toggle input:checked { background: #34c759; }
.zt-toggle input:checked::after { left: 22px; }
.zt-toggle input:disabled { opacity: 0.5; cursor: default; }
.zt-picker select, .zt-date-picker input { font: inherit; color: var(--zt-accent); background: var(--zt-track);
  border: none; border-radius: 8px; padding: 4px 8px; max-width: 60%; }
.zt-text-field { font: inherit; color: var(--zt-text); background: transparent; border: none; outline: none;
  width: 100%; padding: 4px 0; }
.zt-text-field:focus { box-shadow: inset 0 -2px 0 var(--zt-accent); }
.zt-text-field.zt-invalid { color: var(--zt-destructive); box-shadow: inset 0 -2px 0 var(--zt-destructive); }
.zt-progress-bar { width: 100%; height: 6px; }
.zt-progress-bar svg { width: 100%; height: 100%; display: block; }
.zt-progress-ring { width: 64px; height: 64px; flex: none; }
.zt-progress-ring svg { width: 100%; height: 100%; }
.zt-track { fill: var(--zt-track); stroke: var(--zt-track); }
.zt-progress-bar .zt-track, .zt-progress-bar .zt-fill { stroke: none; }
.zt-progress-ring .zt-track { fill: none; }
.zt-fill { fill: var(--zt-accent); stroke: var(--zt-accent); }
.zt-progress-ring .zt-fill { fill: none; }
.zt-chart { margin: 0; width: 100%; }
.zt-chart svg { width: 100%; height: auto; display: block; overflow: visible; }
.zt-picture { display: block; width: 100%; height: auto; border-radius: 10px; }
.zt-axis { stroke: var(--zt-separator); stroke-width: 1; }
.zt-rule { stroke-width: 1.5; stroke-dasharray: 4 3; }
.zt-line { stroke-width: 2.5; stroke-linejoin: round; stroke-linecap: round; }
.zt-axis-label { font-size: 9px; fill: var(--zt-secondary); text-anchor: middle; }
.zt-overlay { position: absolute; inset: 0; background: var(--zt-overlay); display: flex; align-items: flex-end;
  z-index: 10; margin: 0 !important; }
.zt-sheet { background: var(--zt-background); width: 100%; max-height: 92%; overflow: auto;
  border-radius: 12px 12px 0 0; padding-bottom: 24px; }
.zt-sheet-bar { display: flex; align-items: center; justify-content: space-between; padding: 14px 16px 6px;
  position: sticky; top: 0; background: var(--zt-background); z-index: 1; }
.zt-sheet-title { font-size: 17px; font-weight: 600; margin: 0; }
.zt-sheet-content { display: flex; flex-direction: column; gap: 12px; padding: 0 16px; }
.zt-close { font: inherit; font-size: 20px; line-height: 1; width: 30px; height: 30px; border-radius: 50%;
  border: none; background: var(--zt-track); color: var(--zt-secondary); cursor: pointer; }
.zt-dialog { background: var(--zt-surface); margin: 0 8px 16px; width: 100%; border-radius: 14px; padding: 16px;
  text-align: center; position: relative; }
.zt-dialog .zt-close { position: absolute; top: 8px; right: 8px; }
.zt-dialog-title { font-size: 13px; font-weight: 600; color: var(--zt-secondary); margin: 0 24px 4px; }
.zt-dialog-message { font-size: 13px; color: var(--zt-secondary); margin: 0 0 8px; }
.zt-dialog-buttons { display: flex; flex-direction: column; }
.zt-dialog-buttons .zt-button { justify-content: center; font-size: 20px; padding: 12px;
  border-top: 0.5px solid var(--zt-separator); }
.zt-toolbar-item { display: inline-flex; align-items: center; }
.zt-empty-state { display: flex; flex-direction: column; align-items: center; text-align: center; gap: 6px;
  padding: 24px 16px; }
.zt-empty-state > .zt-icon { width: 40px; height: 40px; color: var(--zt-secondary); }
.zt-empty-title { font-size: 20px; font-weight: 600; margin: 0; }
.zt-empty-message { color: var(--zt-secondary); margin: 0; }
)css";
}

} // namespace zt::ui
