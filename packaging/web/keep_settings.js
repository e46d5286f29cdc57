// The program keeps its settings in a file of its folder for settings, which in a browser lives
// in the page's memory only. The file is kept in the browser's local storage instead: put back
// before the program starts, and stored again whenever the program closes, renames or removes a
// file, which is how it writes its settings (through a temporary file renamed into place).
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  var folder = '/home/web_user/.config/velmora';
  var file = folder + '/velmora.ini';
  var key = 'velmora/velmora.ini';
  var storage;
  try {
    storage = window.localStorage;
    storage.getItem(key);
  } catch (blocked) {
    return;  // storage refused (a private window's rules): settings last while the page does
  }
  FS.mkdirTree(folder);
  var kept = storage.getItem(key);
  if (kept !== null) {
    FS.writeFile(file, kept);
  }
  function store() {
    try {
      if (FS.analyzePath(file).exists) {
        storage.setItem(key, FS.readFile(file, {encoding: 'utf8'}));
      } else {
        storage.removeItem(key);
      }
    } catch (full) {
      // storage full or gone: the settings stay as they were kept last
    }
  }
  ['close', 'rename', 'unlink'].forEach(function (name) {
    var original = FS[name];
    FS[name] = function () {
      var result = original.apply(this, arguments);
      store();
      return result;
    };
  });
});
