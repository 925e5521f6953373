'use strict';
// What the page hands out: the picture as PNG at 1, 2 or 4 times its size,
// the solid as STL, OBJ or OFF, its paper net as SVG or JSON and printed at
// true size, and the properties of the solid on show in a table; the files
// are the desktop's bytes, made by the module.

// eslint-disable-next-line no-unused-vars
function korvelindraFiles(page) {
  const $ = (id) => document.getElementById(id);
  const core = page.core;
  const CHANGE_SOLID = 4;
  const SOLID_FORMATS = ['stl', 'obj', 'off'];

  const failure = () => new Error(core.UTF8ToString(core._vk_last_error()));

  // The picture of the present state at scale, as the desktop's --export-picture writes it.
  function picture({ scale = 1 } = {}) {
    const start = core._vk_picture(Number(scale));
    if (!start) return Promise.reject(failure());
    const width = core._vk_picture_width();
    const height = core._vk_picture_height();
    const pixels = new Uint8ClampedArray(core.HEAPU8.slice(start, start + width * height * 4).buffer);
    page.follow();
    const sheet = document.createElement('canvas');
    sheet.width = width;
    sheet.height = height;
    sheet.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    return new Promise((resolve, reject) => sheet.toBlob(
      (blob) => (blob ? resolve(blob) : reject(new Error('PNG'))), 'image/png'));
  }

  // The solid on show as a file, as the desktop writes it.
  function solid({ format = 'stl', sizeMm = 60, currentPose = false } = {}) {
    if (!SOLID_FORMATS.includes(format)) return Promise.reject(new Error('format: ' + format));
    const start = core._vk_solid_file(SOLID_FORMATS.indexOf(format), currentPose ? 1 : 0, Number(sizeMm));
    if (!start) return Promise.reject(failure());
    const bytes = core.HEAPU8.slice(start, start + core._vk_file_size());
    return Promise.resolve(new Blob([bytes], { type: format === 'stl' ? 'model/stl' : 'text/plain' }));
  }

  // Calls the module with texts as UTF-8 C strings, freed afterwards.
  function withTexts(texts, call) {
    const pointers = texts.map((text) => {
      const size = core.lengthBytesUTF8(text) + 1;
      const pointer = core._malloc(size);
      core.stringToUTF8(text, pointer, size);
      return pointer;
    });
    try {
      return call(...pointers);
    } finally {
      pointers.forEach((pointer) => core._free(pointer));
    }
  }

  // The paper net of the solid on show as the desktop's --export-net writes it.
  function netText({ format = 'svg', paper = 'a4', orientation = 'auto', tabs = 'one', edgeMm = 0,
    numbers = true, faceNumbers = true, foldAngles = false, scaleBar = true } = {}) {
    const formats = ['json', 'svg'];
    if (!formats.includes(format)) throw new Error('format: ' + format);
    const start = withTexts([String(paper), String(orientation), String(tabs)], (p, o, t) =>
      core._vk_net(formats.indexOf(format), p, o, t, Number(edgeMm) || 0, numbers ? 1 : 0,
        faceNumbers ? 1 : 0, foldAngles ? 1 : 0, scaleBar ? 1 : 0));
    if (!start) throw failure();
    return core.HEAPU8.slice(start, start + core._vk_file_size());
  }
  function net(options = {}) {
    try {
      const bytes = netText(options);
      const type = (options.format ?? 'svg') === 'svg' ? 'image/svg+xml' : 'application/json';
      return Promise.resolve(new Blob([bytes], { type }));
    } catch (error) {
      return Promise.reject(error);
    }
  }

  // Prints the net at true size: its SVG alone in a frame whose pages are the paper's.
  function printNet(options) {
    const svg = new TextDecoder().decode(netText({ ...options, format: 'svg' }));
    const pages = JSON.parse(new TextDecoder().decode(netText({ ...options, format: 'json' }))).pages.length;
    const width = Number(svg.match(/width="([0-9.]+)mm"/)[1]);
    const height = Number(svg.match(/height="([0-9.]+)mm"/)[1]) / pages;
    const html = '<!DOCTYPE html><html><head><meta charset="utf-8"><style>@page{size:' + width + 'mm ' +
      height + 'mm;margin:0}html,body{margin:0}svg{display:block}</style></head><body>' +
      svg.replace(/^<\?xml[^>]*>\s*/, '') + '</body></html>';
    // A frame of the page's own origin (srcdoc), which the page may ask to print.
    const frame = document.createElement('iframe');
    frame.hidden = true;
    frame.srcdoc = html;
    frame.addEventListener('load', () => {
      frame.contentWindow.print();
      setTimeout(() => frame.remove(), 60000);
    });
    document.body.appendChild(frame);
  }

  // The command line's --properties --json text of the solid on show.
  function propertiesJson() {
    const text = core._vk_properties_json();
    if (!text) throw failure();
    return core.UTF8ToString(text);
  }

  // A file name from the solid's name: letters, digits and hyphens.
  const fileName = (extension) => {
    const name = core.UTF8ToString(core._vk_picture_name()) || 'korvelindra';
    return name.normalize('NFD').replace(/[\u0300-\u036f]/g, '').replace(/ß/g, 'ss')
      .replace(/[^A-Za-z0-9]+/g, '-').replace(/^-|-$/g, '') + '.' + extension;
  };
  // Offers blob as a download named name.
  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
  const offer = (promise, name) => promise.then((blob) => download(blob, name))
    .catch((error) => page.note(error.message));

  document.querySelectorAll('[data-picture-scale]').forEach((button) => {
    const scale = Number(button.dataset.pictureScale);
    button.addEventListener('click', () => offer(picture({ scale }),
      fileName(scale === 1 ? 'png' : scale + 'x.png')));
  });
  document.querySelectorAll('[data-solid-format]').forEach((button) => {
    const format = button.dataset.solidFormat;
    button.addEventListener('click', () => offer(solid({ format, sizeMm: Number($('solid-mm').value) }),
      fileName(format)));
  });

  const netOptions = () => ({ paper: $('net-paper').value, tabs: $('net-tabs').value });
  document.querySelectorAll('[data-net-format]').forEach((button) => {
    const format = button.dataset.netFormat;
    button.addEventListener('click', () => offer(net({ ...netOptions(), format }), fileName('netz.' + format)));
  });
  $('net-print').addEventListener('click', () => {
    try { printNet(netOptions()); } catch (error) { page.note(error.message); }
  });

  // The properties table, filled while its panel is open.
  const panel = $('properties-panel');
  function showProperties() {
    if (!panel.open) return;
    const body = $('properties-rows');
    body.replaceChildren();
    const text = core._vk_properties_table();
    if (!text) { page.note(failure().message); return; }
    for (const line of core.UTF8ToString(text).split('\n')) {
      if (!line) continue;
      const [label, value = ''] = line.split('\t');
      const row = document.createElement('tr');
      const head = document.createElement('th');
      head.scope = 'row';
      head.textContent = page.say(label);
      const cell = document.createElement('td');
      cell.textContent = page.language() === 'de' ? value : page.sayNumbers(value);
      row.append(head, cell);
      body.appendChild(row);
    }
  }
  panel.addEventListener('toggle', showProperties);
  const follow = (changes) => { if (changes & CHANGE_SOLID) showProperties(); };

  return {
    follow,
    retell: showProperties,
    api: {
      picture,
      solid,
      net,
      propertiesJson,
      properties: () => JSON.parse(propertiesJson()),
    },
  };
}
